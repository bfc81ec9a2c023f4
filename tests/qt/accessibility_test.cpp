// What a screen reader user and a keyboard user meet: every control that takes the focus has a
// name and a role, Tab reaches all of them in order and each shows that it has the focus; the
// result table's menu, the element ticks and the menus work from the keyboard.
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "support/main_window_fixture.h"
#include "ui/windows/fm_auswerten.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// What a screen reader announces for each kind of control; a label that takes the focus is a
// link, a bare widget that does is a drawing.
QAccessible::Role ExpectedRole(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control)) {
        return QAccessible::EditableText;
    }
    if (qobject_cast<const QComboBox*>(control)) {
        return QAccessible::ComboBox;
    }
    if (qobject_cast<const QCheckBox*>(control)) {
        return QAccessible::CheckBox;
    }
    if (qobject_cast<const QRadioButton*>(control)) {
        return QAccessible::RadioButton;
    }
    if (qobject_cast<const QPushButton*>(control)) {
        return QAccessible::Button;
    }
    if (qobject_cast<const QScrollBar*>(control)) {
        return QAccessible::ScrollBar;
    }
    if (qobject_cast<const QTreeView*>(control)) {
        return QAccessible::Tree;
    }
    return qobject_cast<const QLabel*>(control) ? QAccessible::Link : QAccessible::Graphic;
}

QString Name(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The control with its surroundings, where a focus frame outside it is drawn.
QImage Surroundings(QWidget* window, QWidget* control) {
    const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
    return window->grab(place.adjusted(-3, -3, 3, 3)).toImage();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;
    std::unique_ptr<Fm_Auswerten> evaluation_;

    // The window a row is about, shown and active. The evaluation window has no enabled menu
    // entry and is made directly.
    QWidget* Open(const QString& window) {
        Fm_Main& main = f_->Start();
        QWidget* opened = &main;
        if (window == "Fm_Main im Suchmodus") {
            f_->SetChecked("Chk_Suchmodus", true);
        } else if (window == "Fm_Auswerten") {
            evaluation_ = std::make_unique<Fm_Auswerten>();
            evaluation_->show();
            opened = evaluation_.get();
        } else if (window != "Fm_Main") {
            f_->Find<QAction>("ME_" + window.mid(3))->trigger();
            for (QWidget* top : testing::TopLevelWindows<QWidget>()) {
                opened = top->objectName() == window ? top : opened;
            }
        }
        if (window == "Fm_Einstellungen") {
            // A changed entry enables "Speichern".
            QTest::keyClicks(testing::Control<QLineEdit>(opened, "txt_Cx_Bezeichnung4"), " ");
        }
        opened->activateWindow();
        return QTest::qWaitForWindowActive(opened) ? opened : nullptr;
    }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        evaluation_.reset();
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void everyControlHasANameARoleAndAVisibleFocus_data() {
        QTest::addColumn<QString>("window");
        // Where Tab goes, from the first control round to it again.
        QTest::addColumn<QStringList>("tabOrder");
        // "control=name" for some of the controls.
        QTest::addColumn<QStringList>("names");
        QTest::newRow("main window")
            << "Fm_Main"
            << QStringList{"cmd_ElementeVisible1",
                           "cmd_ElementeVisible0",
                           "lv_Elemente",
                           "chk_Feldauswahl0",
                           "Cb_Einheit0",
                           "chk_Feldauswahl1",
                           "Cb_Einheit1",
                           "chk_Feldauswahl2",
                           "Cb_Einheit2",
                           "chk_Feldauswahl3",
                           "Cb_Einheit3",
                           "chk_Feldauswahl4",
                           "Cb_Einheit4",
                           "Chk_Suchmodus",
                           "chk_Runden",
                           "txt_Wunschfaktor0",
                           "txt_Wunschfaktor1",
                           "chk_A2",
                           "chk_V2",
                           "chk_V4",
                           "Combo_Cx",
                           "HScroll_N0",
                           "txt_N_Value0",
                           "HScroll_N1",
                           "txt_N_Value1",
                           "cmd_AusgewählteInListeMarkieren",
                           "lv_Ausgabe"}
            << QStringList{"txt_Suchen0=Suchwert Frequenz f",
                           "txt_Suchen4=Suchwert Volumen V",
                           "Cb_Einheit0=Einheit Frequenz f",
                           "chk_Feldauswahl0=Frequenz f",
                           "Chk_Suchmodus=Suchmodus",
                           "opt_Toleranz0=Eigene Toleranz",
                           "txt_Toleranz=Eigene Toleranz in %",
                           "txt_Wunschfaktor0=Wunschfaktor für f",
                           "txt_Wunschfaktor1=Wunschfaktor für L",
                           "HScroll_N0=N von",
                           "HScroll_N1=N bis",
                           "txt_N_Value0=N von eingeben",
                           "txt_N_Value1=N bis eingeben",
                           "lv_Elemente=Elementeliste",
                           "lv_Ausgabe=Ergebnistabelle",
                           "cmd_AusgewählteInListeMarkieren=Markierte Zeilen in die Elementeliste "
                           "übernehmen",
                           "cmd_ElementeVisible1=Alle"};
        QTest::newRow("main window searching")
            << "Fm_Main im Suchmodus"
            << QStringList{"cmd_ElementeVisible1",
                           "cmd_ElementeVisible0",
                           "lv_Elemente",
                           "chk_Feldauswahl0",
                           "Cb_Einheit0",
                           "txt_Suchen0",
                           "chk_Feldauswahl1",
                           "Cb_Einheit1",
                           "txt_Suchen1",
                           "chk_Feldauswahl2",
                           "Cb_Einheit2",
                           "txt_Suchen2",
                           "chk_Feldauswahl3",
                           "Cb_Einheit3",
                           "txt_Suchen3",
                           "chk_Feldauswahl4",
                           "Cb_Einheit4",
                           "txt_Suchen4",
                           "Chk_Suchmodus",
                           "opt_Toleranz0",
                           "chk_Runden",
                           "txt_Wunschfaktor0",
                           "txt_Wunschfaktor1",
                           "chk_A2",
                           "chk_V2",
                           "chk_V4",
                           "Combo_Cx",
                           "txt_Toleranz"}
            << QStringList{"opt_Toleranz3=Toleranz 10 %", "Cb_Einheit4=Einheit Volumen V"};
        QTest::newRow("converter")
            << "Fm_Umrechner"
            << QStringList{"txt_Wert0",  "Cb_Einheit0", "txt_Wert1",    "Cb_Einheit1",
                           "chk_Runden", "txt_WertX",   "Cb_EinheitX0", "Cb_EinheitX1"}
            << QStringList{"txt_Wert0=Frequenz f", "Cb_Einheit1=Einheit Wellenlänge L",
                           "chk_Runden=Ausgabe Runden", "Cb_EinheitX1=Vorsatz des Ergebnisses"};
        QTest::newRow("settings")
            << "Fm_Einstellungen"
            << QStringList{"txt_Cx0",      "txt_Cx_Wert0", "txt_Cx_Bezeichnung0",
                           "txt_Cx1",      "txt_Cx_Wert1", "txt_Cx_Bezeichnung1",
                           "txt_Cx2",      "txt_Cx_Wert2", "txt_Cx_Bezeichnung2",
                           "txt_Cx3",      "txt_Cx_Wert3", "txt_Cx_Bezeichnung3",
                           "txt_Cx4",      "txt_Cx_Wert4", "txt_Cx_Bezeichnung4",
                           "cmd_Speichern"}
            << QStringList{"txt_Cx0=Kürzel 1", "txt_Cx_Wert4=Wert 5 in m",
                           "txt_Cx_Bezeichnung2=Bezeichnung 3", "cmd_Speichern=Speichern"};
        QTest::newRow("information")
            << "Fm_Info" << QStringList{"txt_Info0", "txt_Info1", "Links1", "Links0"}
            << QStringList{"Links0=Wikipedia-Artikel zum Compton-Effekt",
                           "Links1=Physik-Seiten des NIST", "txt_Info1=Gleichung und ihre Größen"};
        QTest::newRow("evaluation")
            << "Fm_Auswerten" << QStringList{"pic_Plot0", "cmd_Test", "pic_Plot1"}
            << QStringList{"pic_Plot0=Zeichenfläche der Einzelwellen", "cmd_Test=Test"};
    }

    void everyControlHasANameARoleAndAVisibleFocus() {
        QFETCH(QString, window);
        QFETCH(QStringList, tabOrder);
        QFETCH(QStringList, names);
        QWidget* shown = Open(window);
        QVERIFY(shown);

        QStringList taken;
        QList<QWidget*> controls;
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || control->window() != shown) {
                continue;
            }
            controls << control;
            const QString name = Name(control);
            const QString what = control->objectName() + ": " + name;
            QVERIFY2(!name.isEmpty() && !taken.contains(name), qPrintable(what));
            taken << name;
            for (QWidget* up = control->parentWidget(); up != shown; up = up->parentWidget()) {
                const auto* frame = qobject_cast<QGroupBox*>(up);
                QVERIFY2(frame == nullptr || frame->title() != name, qPrintable(what));
            }
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->role(), ExpectedRole(control));
        }
        for (const QString& pair : names) {
            const QString control = pair.section('=', 0, 0);
            QCOMPARE(Name(testing::Control<QWidget>(shown, control)), pair.section('=', 1));
        }

        // Each control looks different with the focus than without it.
        if (QWidget* focused = shown->focusWidget()) {
            focused->clearFocus();
        }
        QHash<QWidget*, QImage> unfocused;
        for (QWidget* control : controls) {
            unfocused.insert(control, Surroundings(shown, control));
        }
        // Tab from the last control to the first, as a keyboard user gets there.
        QWidget* first = testing::Control<QWidget>(shown, tabOrder.first());
        QWidget* last = testing::Control<QWidget>(shown, tabOrder.last());
        last->setFocus(Qt::TabFocusReason);
        QTest::keyClick(last, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), first);
        QStringList visited;
        do {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            visited << focused->objectName();
            QVERIFY2(Surroundings(shown, focused) != unfocused.value(focused),
                     qPrintable(focused->objectName() + " shows no focus"));
            QTest::keyClick(focused, Qt::Key_Tab);
        } while (QApplication::focusWidget() != first && visited.size() <= tabOrder.size());
        QCOMPARE(visited, tabOrder);
        // Nothing that Tab could reach is left out.
        for (QWidget* control : controls) {
            const bool reachable = (control->focusPolicy() & Qt::TabFocus) &&
                                   control->isEnabled() && control->isVisible();
            QVERIFY2(!reachable || visited.contains(control->objectName()),
                     qPrintable(control->objectName()));
        }
    }

    void resultTableMenuOpensFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("menu key") << int(Qt::Key_Menu) << Qt::KeyboardModifiers();
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }

    void resultTableMenuOpensFromTheKeyboard() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QVERIFY(Open("Fm_Main"));
        QTreeView* table = f_->Table();
        table->setFocus(Qt::TabFocusReason);
        const QModelIndex row = f_->TableModel()->index(2, 0);
        table->setCurrentIndex(row);
        QStringList entries;
        QPoint at;
        QTimer::singleShot(0, this, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* entry : menu->actions()) {
                    entries << entry->text();
                }
                at = menu->pos();
                menu->close();
            }
        });
        QTest::keyClick(table, static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(entries, (QStringList{"Kopieren", "Alles auswählen"}));
        // Opened below the current row.
        QCOMPARE(at, table->viewport()->mapToGlobal(table->visualRect(row).bottomLeft()));
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(f_->Window().focusWidget(), table);
    }

    void spaceTicksTheCurrentElement_data() {
        QTest::addColumn<int>("column");
        QTest::newRow("on the name") << 0;
        QTest::newRow("on Z") << 1;
    }

    void spaceTicksTheCurrentElement() {
        QFETCH(int, column);
        QVERIFY(Open("Fm_Main"));
        QTreeWidget* list = f_->ElementList();
        list->setFocus(Qt::TabFocusReason);
        list->setCurrentItem(list->topLevelItem(2), column);
        QAccessibleTableInterface* cells =
            QAccessible::queryAccessibleInterface(list)->tableInterface();
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->topLevelItem(2)->checkState(0), Qt::Unchecked);
        QVERIFY(!cells->cellAt(2, 0)->state().checked);
        QCOMPARE(f_->Rows(), 117);
        QCOMPARE(f_->Cell(2, 1), QString("Beryllium"));
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->topLevelItem(2)->checkState(0), Qt::Checked);
        QVERIFY(cells->cellAt(2, 0)->state().checked);
        QCOMPARE(f_->Rows(), 118);
    }

    // An access key is an "&" before a letter; within a menu no two entries share one.
    void everyMenuEntryHasAnAccessKeyOrAShortcut() {
        QVERIFY(Open("Fm_Main"));
        const QRegularExpression accessKey("&(\\w)",
                                           QRegularExpression::UseUnicodePropertiesOption);
        for (QAction* title : f_->Window().menuBar()->actions()) {
            QVERIFY2(accessKey.match(title->text()).hasMatch(), qPrintable(title->text()));
            QStringList keys;
            for (QAction* entry : title->menu()->actions()) {
                const QRegularExpressionMatch key = accessKey.match(entry->text());
                const QString what = title->text() + " > " + entry->text();
                QVERIFY2(key.hasMatch() || !entry->shortcut().isEmpty(), qPrintable(what));
                QVERIFY2(!key.hasMatch() || !keys.contains(key.captured(1).toLower()),
                         qPrintable(what));
                keys << key.captured(1).toLower();
            }
        }
        QStringList shown;
        for (QAction* entry : f_->Find<QMenu>("MT_Datei")->actions()) {
            shown << entry->iconText() + " " + entry->shortcut().toString();
        }
        QCOMPARE(shown, (QStringList{"Speichern TXT ", "Speichern XLS ",
                                     "Speichern unter … Ctrl+Shift+S", "Beenden Ctrl+Q"}));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
