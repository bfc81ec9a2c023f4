#include "support/scenario.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
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
    static const QStringList two =
        QStringLiteral(
            "type keys pick key =text =row file =file =enabled =visible =checked =value "
            "=accessibleName =y =minimized =toolTip =shown")
            .split(QLatin1Char(' '));
    static const QStringList three = {"store", "=stored", "=cell"};
    return three.contains(verb) ? 3 : two.contains(verb) ? 2 : 1;
}

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

// One row's cells from the second column on, or the headers for row -1.
QString Cells(const QAbstractItemModel* model, int row) {
    QStringList texts;
    for (int c = 1; c < model->columnCount(); ++c) {
        texts << (row < 0 ? model->headerData(c, Qt::Horizontal) : model->index(row, c).data())
                     .toString();
    }
    return texts.join(QLatin1Char('|'));
}

}  // namespace

bool Scenario::Run(const QStringList& steps) {
    for (const QString& written : steps) {
        step_ = QString(written).replace(QStringLiteral("%T"), folder_);
        const QString verb = step_.section(QLatin1Char(' '), 0, 0);
        const QStringList words = step_.split(QLatin1Char(' '));
        const QString rest = Rest(step_, WordsBeforeText(verb));
        if (!(verb.startsWith(QLatin1Char('=')) ? Check(verb, words, rest)
                                                : Do(verb, words, rest))) {
            return false;
        }
    }
    return true;
}

QWidget* Scenario::Find(const QString& name) const {
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    QWidget* root = window_();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (slash > 0 && top->objectName() == name.left(slash) && top->isVisible()) {
            root = top;
        }
    }
    const QString control = name.mid(slash + 1);
    if (root == nullptr || root->objectName() == control) {
        return root;
    }
    return root->findChild<QWidget*>(control);
}

bool Scenario::Fail(const QString& why) const {
    QTest::qFail(qPrintable(QString(step_).replace('\n', "\\n") + "\n   " + why), __FILE__,
                 __LINE__);
    return false;
}

bool Scenario::Do(const QString& verb, const QStringList& words, const QString& rest) {
    const QString name = words.value(1);
    auto* table = qobject_cast<QTreeView*>(Find(QStringLiteral("lv_Ausgabe")));
    if (verb == QLatin1String("store")) {
        SettingsStore().Write(name, words.value(2), rest);
    } else if (verb == QLatin1String("file")) {
        QDir().mkpath(QFileInfo(name).path());
        WriteFileBytes(name, rest.toUtf8());
    } else if (verb == QLatin1String("folder")) {
        QDir().mkpath(name);
    } else if (verb == QLatin1String("readonly")) {
        QFile::setPermissions(
            name, QFileInfo(name).isDir() ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
    } else if (verb == QLatin1String("answer")) {
        desktop_.Answer(name == QLatin1String("Ja")       ? MessageAnswer::Yes
                        : name == QLatin1String("Nein")   ? MessageAnswer::No
                        : name == QLatin1String("Escape") ? MessageAnswer::Closed
                                                          : MessageAnswer::Ok,
                        words.value(2) == QLatin1String("tick"));
    } else if (verb == QLatin1String("cancel")) {
        desktop_.InFileDialog([](QFileDialog&) {});
    } else if (verb == QLatin1String("dialog") || verb == QLatin1String("saveas")) {
        const QStringList typed = rest.split(QStringLiteral(" | "));
        desktop_.InFileDialog([typed](QFileDialog& dialog) {
            if (typed.size() > 1) {
                dialog.selectNameFilter(typed[1]);
            }
            // Typed at once: the completer's list would take the Enter.
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            box->setText(typed[0]);
            QTest::keyClick(box, Qt::Key_Return);
        });
        if (verb == QLatin1String("saveas")) {
            window_()->findChild<QAction*>(QStringLiteral("ME_SpeichernUnter"))->trigger();
        }
    } else if (auto* action = window_()->findChild<QAction*>(name);
               verb == QLatin1String("trigger")) {
        if (action == nullptr) {
            return Fail(QStringLiteral("no such menu entry"));
        }
        action->trigger();
    } else if (verb == QLatin1String("only") || verb == QLatin1String("untick")) {
        if (verb == QLatin1String("only")) {
            QTest::mouseClick(Find(QStringLiteral("cmd_ElementeVisible0")), Qt::LeftButton);
        }
        auto* elements = qobject_cast<QTreeWidget*>(Find(QStringLiteral("lv_Elemente")));
        for (const QString& z : words.mid(1)) {
            elements->topLevelItem(z.toInt() - 1)
                ->setCheckState(0, verb == QLatin1String("untick") ? Qt::Unchecked : Qt::Checked);
        }
    } else if (verb == QLatin1String("range")) {
        TypeAndEnter(Find(QStringLiteral("txt_N_Value0")), name);
        TypeAndEnter(Find(QStringLiteral("txt_N_Value1")), words.value(2));
    } else if (verb == QLatin1String("select")) {
        for (const QString& row : words.mid(1)) {
            const QModelIndex index = table->model()->index(row.toInt(), 0);
            if (!index.isValid()) {
                return Fail("no row " + row);
            }
            table->selectionModel()->select(
                index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    } else if (verb == QLatin1String("header")) {
        QHeaderView* header = table->header();
        int column = 0;
        while (column < table->model()->columnCount() &&
               table->model()->headerData(column, Qt::Horizontal).toString() != rest) {
            ++column;
        }
        if (column == table->model()->columnCount()) {
            return Fail("no column titled " + rest);
        }
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    } else {
        return Use(verb, Find(name), words, rest);
    }
    return true;
}

// The steps on one named control.
bool Scenario::Use(const QString& verb, QWidget* control, const QStringList& words,
                   const QString& rest) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (control == nullptr) {
        return Fail(QStringLiteral("no such control"));
    } else if (verb == QLatin1String("type")) {
        TypeAndEnter(control, rest);
    } else if (verb == QLatin1String("keys")) {
        QTest::keyClicks(control, rest);
    } else if (verb == QLatin1String("click") ||
               (verb == QLatin1String("check") &&
                button->isChecked() != (words.value(2) == QLatin1String("1")))) {
        QTest::mouseClick(control, Qt::LeftButton);
    } else if (verb == QLatin1String("pick")) {
        auto* list = qobject_cast<QComboBox*>(control);
        const int entry = list->findText(rest);
        if (entry < 0) {
            return Fail("no entry " + rest);
        }
        list->setCurrentIndex(entry);
    } else if (verb == QLatin1String("key")) {
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
        const QKeySequence keys(rest);
        for (int i = 0; i < keys.count(); ++i) {
            QTest::keyClick(control->window()->windowHandle(), keys[i].key(),
                            keys[i].keyboardModifiers());
        }
    } else if (verb != QLatin1String("check")) {
        return Fail(QStringLiteral("unknown step"));
    }
    return true;
}

bool Scenario::Check(const QString& what, const QStringList& words, const QString& rest) {
    const auto* table = qobject_cast<QTreeView*>(Find(QStringLiteral("lv_Ausgabe")));
    const QAbstractItemModel* model = table != nullptr ? table->model() : nullptr;
    const QString name = words.value(1);
    QString seen;
    if (what == QLatin1String("=rows")) {
        seen = QString::number(model->rowCount());
    } else if (what == QLatin1String("=row") || what == QLatin1String("=headers")) {
        seen = Cells(model, what == QLatin1String("=row") ? name.toInt() : -1);
    } else if (what == QLatin1String("=cell")) {
        seen = model->index(name.toInt(), words.value(2).toInt()).data().toString();
    } else if (what == QLatin1String("=order")) {
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, 2).data().toString() + QLatin1Char(':') +
                        model->index(row, 3).data().toString();
        }
        seen = rows.join(QLatin1Char(' '));
    } else if (what == QLatin1String("=sorted")) {
        const int column = table->header()->sortIndicatorSection();
        const bool up = table->header()->sortIndicatorOrder() == Qt::AscendingOrder;
        seen = column < 0 ? QString()
                          : model->headerData(column, Qt::Horizontal).toString() +
                                (up ? QStringLiteral(" ascending") : QStringLiteral(" descending"));
    } else if (what == QLatin1String("=ticked")) {
        const auto* elements = qobject_cast<QTreeWidget*>(Find(QStringLiteral("lv_Elemente")));
        QStringList ticked;
        for (int i = 0; i < elements->topLevelItemCount(); ++i) {
            if (elements->topLevelItem(i)->checkState(0) == Qt::Checked) {
                ticked << elements->topLevelItem(i)->text(1);
            }
        }
        seen = ticked.join(QLatin1Char(' '));
    } else if (what == QLatin1String("=stored")) {
        seen = SettingsStore().Read(name, words.value(2), QStringLiteral("<missing>"));
    } else if (what == QLatin1String("=messages")) {
        seen = QString::number(desktop_.messages.size());
    } else if (what == QLatin1String("=message")) {
        const ShownMessage last = desktop_.messages.value(desktop_.messages.size() - 1);
        seen = last.title + QLatin1Char('|') + QString(last.text).replace("\r\n", "\n");
    } else if (what == QLatin1String("=dialog")) {
        seen = desktop_.shownFileName;
    } else if (what == QLatin1String("=focus")) {
        const QWidget* focused = window_()->focusWidget();
        seen = focused == nullptr ? QString() : focused->objectName();
        if (table != nullptr && focused == table) {
            seen += QLatin1Char(' ') + QString::number(table->currentIndex().row());
        }
    } else if (what == QLatin1String("=opened")) {
        seen = desktop_.openedAddresses.isEmpty() ? QString()
                                                  : desktop_.openedAddresses.last().toString();
    } else if (what == QLatin1String("=clipboard")) {
        seen = QGuiApplication::clipboard()->text();
    } else if (what == QLatin1String("=copied")) {
        seen = QString::number(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')));
    } else if (what == QLatin1String("=windows")) {
        QStringList open;
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && !top->objectName().isEmpty()) {
                open << top->objectName();
            }
        }
        open.sort();
        seen = open.join(QLatin1Char(' '));
    } else if (what == QLatin1String("=shown")) {
        // As much of a label's text as its room shows, "…" where it is cut.
        const auto* label = qobject_cast<const QLabel*>(Find(name));
        seen = label == nullptr ? QStringLiteral("<no such label>")
                                : label->fontMetrics().elidedText(label->text(), Qt::ElideRight,
                                                                  label->contentsRect().width());
    } else if (what == QLatin1String("=file")) {
        seen = QString::fromLatin1(ReadFileBytes(name));
    } else if (what == QLatin1String("=files")) {
        QStringList files = QDir(name).entryList(QDir::Files | QDir::Hidden);
        files.sort();
        seen = QString(name + QLatin1Char(' ') + files.join(QLatin1Char(' '))).trimmed();
        return seen == rest.trimmed() || Fail("seen: " + seen);
    } else {
        // A property of a named control or menu entry: its text, value, or whether it is
        // enabled, visible or checked (1 or 0).
        const QObject* target = window_()->findChild<QAction*>(name);
        target = target != nullptr ? target : Find(name);
        if (target == nullptr) {
            return Fail(QStringLiteral("no such control"));
        }
        const QVariant value = target->property(qPrintable(what.mid(1)));
        if (!value.isValid() && what != QLatin1String("=text")) {
            return Fail(QStringLiteral("no such check"));
        }
        seen = what == QLatin1String("=text")      ? TextOf(target)
               : value.typeId() == QMetaType::Bool ? QString::number(int(value.toBool()))
                                                   : value.toString();
    }
    return seen == rest || Fail("seen: " + QString(seen).replace('\n', "\\n"));
}

}  // namespace kolvenar::testing
