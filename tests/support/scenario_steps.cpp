// The longer steps of the scenario player; Scenario::Steps lists every step.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include "support/scenario.h"
#include "support/test_support.h"

namespace kolvenar::testing {

namespace {

// What a control or menu entry shows: a list's entry, a text box's or label's text, a window's
// caption.
QString TextOf(const QObject* control) {
    for (const char* property : {"currentText", "plainText", "text", "windowTitle"}) {
        if (const QVariant value = control->property(property); value.isValid()) {
            return value.toString();
        }
    }
    return {};
}

}  // namespace

// "type", which then presses Enter, and "keys".
bool Scenario::Type(const Words& w) {
    QWidget* control = Control(w.name);
    if (control != nullptr && w.all[0] == QLatin1String("type")) {
        TypeAndEnter(control, w.rest);
    } else if (control != nullptr) {
        QTest::keyClicks(control, w.rest);
    }
    return control != nullptr;
}

// "dialog", and "saveas", which then chooses "Speichern unter …".
bool Scenario::Dialog(const Words& w) {
    const QStringList typed = w.rest.split(QStringLiteral(" | "));
    desktop_.InFileDialog([typed](QFileDialog& dialog) {
        if (typed.size() > 1) {
            dialog.selectNameFilter(typed[1]);
        }
        // Typed at once: the completer's list would take the Enter.
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        box->setText(typed[0]);
        QTest::keyClick(box, Qt::Key_Return);
    });
    if (w.all[0] == QLatin1String("saveas")) {
        window_()->findChild<QAction*>(QStringLiteral("ME_SpeichernUnter"))->trigger();
    }
    return true;
}

// "only", which first clicks "Keine", and "untick".
bool Scenario::Tick(const Words& w) {
    const bool only = w.all[0] == QLatin1String("only");
    if (only) {
        QTest::mouseClick(Find(QStringLiteral("cmd_ElementeVisible0")), Qt::LeftButton);
    }
    auto* elements = qobject_cast<QTreeWidget*>(Find(QStringLiteral("lv_Elemente")));
    for (const QString& z : w.all.mid(1)) {
        elements->topLevelItem(z.toInt() - 1)->setCheckState(0, only ? Qt::Checked : Qt::Unchecked);
    }
    return true;
}

// "click", and "check", which clicks only when the box is not as wanted.
bool Scenario::Click(const Words& w) {
    QWidget* control = Control(w.name);
    if (control == nullptr) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (w.all[0] == QLatin1String("click") ||
        button->isChecked() != (w.all.value(2) == QLatin1String("1"))) {
        QTest::mouseClick(control, Qt::LeftButton);
    }
    return true;
}

// A property of a named control or menu entry: its text, value, or whether it is enabled,
// visible or checked (1 or 0).
QString Scenario::Property(const Words& w) {
    const QObject* target = window_()->findChild<QAction*>(w.name);
    target = target != nullptr ? target : Find(w.name);
    if (target == nullptr) {
        Fail(QStringLiteral("no such control"));
        return {};
    }
    const QVariant value = target->property(qPrintable(w.all[0].mid(1)));
    if (!value.isValid() && w.all[0] != QLatin1String("=text")) {
        Fail(QStringLiteral("no such check"));
        return {};
    }
    return w.all[0] == QLatin1String("=text")  ? TextOf(target)
           : value.typeId() == QMetaType::Bool ? QString::number(int(value.toBool()))
                                               : value.toString();
}

bool Scenario::Key(const Words& w) {
    QWidget* control = Control(w.name);
    if (control == nullptr) {
        return false;
    }
    // Through the window, as the window system delivers keys: shortcuts first.
    control->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(control->window())) {
        return Fail(QStringLiteral("the window does not become active"));
    }
    control->setFocus(Qt::OtherFocusReason);
    // A menu the keys open would wait for a person: it is closed again, unused.
    QTimer closer;
    closer.callOnTimeout([] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menu->close();
        }
    });
    closer.start(0);
    const QKeySequence keys(w.rest);
    for (int i = 0; i < keys.count(); ++i) {
        QTest::keyClick(control->window()->windowHandle(), keys[i].key(),
                        keys[i].keyboardModifiers());
    }
    return true;
}

}  // namespace kolvenar::testing
