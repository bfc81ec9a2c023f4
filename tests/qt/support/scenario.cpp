#include "support/scenario.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTreeView>
#include <QTreeWidget>

#include "settings/settings_store.h"
#include "support/test_support.h"

namespace kolvenar::testing {

namespace {

// The text after the first `words` words of a step.
QString Rest(const QString& step, int words) {
    qsizetype at = 0;
    for (int i = 0; i < words && at >= 0; ++i) {
        at = step.indexOf(QLatin1Char(' '), at);
        at = at < 0 ? -1 : at + 1;
    }
    return at < 0 ? QString() : step.mid(at);
}

// How many words of a step come before its text.
int WordsBeforeText(const QString& verb) {
    static const QStringList two = {"type", "keys", "pick", "key", "=text", "=row", "=cell"};
    static const QStringList three = {"store", "=stored"};
    if (verb == QLatin1String("=cell") || three.contains(verb)) {
        return 3;
    }
    return two.contains(verb) ? 2 : 1;
}

QString TextOf(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        return list->currentText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(control)) {
        return text->toPlainText();
    }
    return control->windowTitle();
}

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

bool Scenario::Run(const QStringList& steps) {
    for (const QString& step : steps) {
        step_ = step;
        if (!Step(step)) {
            return false;
        }
    }
    return true;
}

QWidget* Scenario::Find(const QString& name) const {
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    QWidget* root = window_();
    if (slash > 0) {
        root = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name.left(slash) && top->isVisible()) {
                root = top;
            }
        }
    }
    const QString control = name.mid(slash + 1);
    if (root == nullptr || root->objectName() == control) {
        return root;
    }
    return root->findChild<QWidget*>(control);
}

bool Scenario::Step(const QString& step) {
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QStringList words = step.split(QLatin1Char(' '));
    const QString rest = Rest(step, WordsBeforeText(verb));
    return verb.startsWith(QLatin1Char('=')) ? Check(verb, words, rest) : Do(verb, words, rest);
}

bool Scenario::Do(const QString& verb, const QStringList& words, const QString& rest) {
    const QString name = words.value(1);
    auto* table = qobject_cast<QTreeView*>(Find(QStringLiteral("lv_Ausgabe")));
    auto* elements = qobject_cast<QTreeWidget*>(Find(QStringLiteral("lv_Elemente")));
    if (verb == QLatin1String("store")) {
        SettingsStore().Write(words.value(1), words.value(2), rest);
    } else if (verb == QLatin1String("answer")) {
        const MessageAnswer answer = name == QLatin1String("Ja")     ? MessageAnswer::Yes
                                     : name == QLatin1String("Nein") ? MessageAnswer::No
                                                                     : MessageAnswer::Ok;
        desktop_.Answer(answer, words.value(2) == QLatin1String("tick"));
    } else if (verb == QLatin1String("trigger")) {
        auto* action = window_()->findChild<QAction*>(name);
        if (action == nullptr) {
            QTest::qFail(qPrintable("no menu entry in: " + step_), __FILE__, __LINE__);
            return false;
        }
        action->trigger();
    } else if (verb == QLatin1String("only") || verb == QLatin1String("tick") ||
               verb == QLatin1String("untick")) {
        if (verb == QLatin1String("only")) {
            QTest::mouseClick(Find(QStringLiteral("cmd_ElementeVisible0")), Qt::LeftButton);
        }
        for (const QString& z : words.mid(1)) {
            elements->topLevelItem(z.toInt() - 1)
                ->setCheckState(0, verb == QLatin1String("untick") ? Qt::Unchecked : Qt::Checked);
        }
    } else if (verb == QLatin1String("range")) {
        TypeAndEnter(Find(QStringLiteral("txt_N_Value0")), words.value(1));
        TypeAndEnter(Find(QStringLiteral("txt_N_Value1")), words.value(2));
    } else if (verb == QLatin1String("select")) {
        for (const QString& row : words.mid(1)) {
            table->selectionModel()->select(
                table->model()->index(row.toInt(), 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    } else if (verb == QLatin1String("header")) {
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            if (table->model()->headerData(c, Qt::Horizontal).toString() == Rest(step_, 1)) {
                QHeaderView* header = table->header();
                QTest::mouseClick(
                    header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2, 5));
            }
        }
    } else {
        QWidget* control = Find(name);
        if (control == nullptr) {
            QTest::qFail(qPrintable("no control in: " + step_), __FILE__, __LINE__);
            return false;
        }
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if (verb == QLatin1String("type")) {
            TypeAndEnter(control, rest);
        } else if (verb == QLatin1String("keys")) {
            QTest::keyClicks(control, rest);
        } else if (verb == QLatin1String("click")) {
            QTest::mouseClick(control, Qt::LeftButton);
        } else if (verb == QLatin1String("check")) {
            if (button->isChecked() != (words.value(2) == QLatin1String("1"))) {
                QTest::mouseClick(control, Qt::LeftButton);
            }
        } else if (verb == QLatin1String("pick")) {
            auto* list = qobject_cast<QComboBox*>(control);
            list->setCurrentIndex(list->findText(rest));
        } else if (verb == QLatin1String("bar")) {
            qobject_cast<QScrollBar*>(control)->setValue(words.value(2).toInt());
        } else if (verb == QLatin1String("key")) {
            control->window()->activateWindow();
            if (!QTest::qWaitForWindowActive(control->window())) {
                QTest::qFail("window not active", __FILE__, __LINE__);
                return false;
            }
            control->setFocus(Qt::OtherFocusReason);
            const QKeySequence keys(rest);
            for (int i = 0; i < keys.count(); ++i) {
                QTest::keyClick(control->window()->windowHandle(), keys[i].key(),
                                keys[i].keyboardModifiers());
            }
        } else {
            QTest::qFail(qPrintable("unknown step: " + step_), __FILE__, __LINE__);
            return false;
        }
    }
    return true;
}

bool Scenario::Check(const QString& what, const QStringList& words, const QString& rest) {
    const auto* table = qobject_cast<QTreeView*>(Find(QStringLiteral("lv_Ausgabe")));
    const QAbstractItemModel* model = table != nullptr ? table->model() : nullptr;
    const auto cells = [model](int row) {
        QStringList texts;
        for (int c = 1; c < model->columnCount(); ++c) {
            texts << (row < 0 ? model->headerData(c, Qt::Horizontal) : model->index(row, c).data())
                         .toString();
        }
        return texts.join(QLatin1Char('|'));
    };
    QString seen;
    QString expected = rest;
    if (what == QLatin1String("=rows")) {
        seen = QString::number(model->rowCount());
    } else if (what == QLatin1String("=row")) {
        seen = cells(words.value(1).toInt());
    } else if (what == QLatin1String("=headers")) {
        seen = cells(-1);
    } else if (what == QLatin1String("=cell")) {
        seen = model->index(words.value(1).toInt(), words.value(2).toInt()).data().toString();
    } else if (what == QLatin1String("=order")) {
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, 2).data().toString() + QLatin1Char(':') +
                        model->index(row, 3).data().toString();
        }
        seen = rows.join(QLatin1Char(' '));
    } else if (what == QLatin1String("=stored")) {
        seen = SettingsStore().Read(words.value(1), words.value(2), QStringLiteral("<missing>"));
    } else if (what == QLatin1String("=messages")) {
        seen = QString::number(desktop_.messages.size());
    } else if (what == QLatin1String("=message")) {
        const ShownMessage last = desktop_.messages.value(desktop_.messages.size() - 1);
        seen = last.title + QLatin1Char('|') +
               QString(last.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } else if (what == QLatin1String("=opened")) {
        seen = desktop_.openedAddresses.isEmpty() ? QString()
                                                  : desktop_.openedAddresses.last().toString();
    } else if (what == QLatin1String("=windows")) {
        QStringList open;
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && !top->objectName().isEmpty()) {
                open << top->objectName();
            }
        }
        open.sort();
        seen = open.join(QLatin1Char(' '));
    } else if (what == QLatin1String("=clipboard")) {
        seen = QGuiApplication::clipboard()->text();
    } else if (auto* action = window_()->findChild<QAction*>(words.value(1))) {
        expected = words.value(2);
        seen = what == QLatin1String("=enabled")   ? Flag(action->isEnabled())
               : what == QLatin1String("=checked") ? Flag(action->isChecked())
                                                   : action->text();
    } else if (const QWidget* control = Find(words.value(1))) {
        expected = what == QLatin1String("=text") ? rest : words.value(2);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        seen = what == QLatin1String("=text")      ? TextOf(control)
               : what == QLatin1String("=enabled") ? Flag(control->isEnabled())
               : what == QLatin1String("=visible") ? Flag(control->isVisible())
                                                   : Flag(button != nullptr && button->isChecked());
    } else {
        QTest::qFail(qPrintable("no control in: " + step_), __FILE__, __LINE__);
        return false;
    }
    if (seen != expected) {
        const auto oneLine = [](QString text) {
            return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        };
        QTest::qFail(qPrintable(oneLine(step_) + QStringLiteral("\n   seen: ") + oneLine(seen)),
                     __FILE__, __LINE__);
        return false;
    }
    return true;
}

}  // namespace kolvenar::testing
