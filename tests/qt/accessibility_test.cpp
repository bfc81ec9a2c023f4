// What a screen reader user and a keyboard user meet: every control that takes the focus has a
// name and a role, Tab reaches all of them in the design order and each shows that it has the
// focus; the result table's menu, the element ticks and the menus work from the keyboard.
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QTimer>

#include "support/main_window_fixture.h"
#include "ui/windows/fm_auswerten.h"

using namespace kolvenar;

namespace {

// The main window's controls in the order of its design, hidden ones included, some with the
// name a screen reader gives them.
const QString kMainControls =
    "Fm_Main: cmd_ElementeVisible1=Alle; cmd_ElementeVisible0; lv_Elemente=Elementeliste; "
    "chk_Feldauswahl0=Frequenz f; Cb_Einheit0=Einheit Frequenz f; txt_Suchen0=Suchwert Frequenz f; "
    "chk_Feldauswahl1; Cb_Einheit1; txt_Suchen1; chk_Feldauswahl2; Cb_Einheit2; txt_Suchen2; "
    "chk_Feldauswahl3; Cb_Einheit3; txt_Suchen3; chk_Feldauswahl4; Cb_Einheit4=Einheit Volumen V; "
    "txt_Suchen4=Suchwert Volumen V; Chk_Suchmodus=Suchmodus; opt_Toleranz0=Eigene Toleranz; "
    "opt_Toleranz1; opt_Toleranz2; opt_Toleranz4; opt_Toleranz3=Toleranz 10 %; opt_Toleranz5; "
    "chk_Runden; txt_Wunschfaktor0=Wunschfaktor für f; txt_Wunschfaktor1=Wunschfaktor für L; "
    "chk_A2; chk_V2; chk_V4; Combo_Cx; HScroll_N0=N von; txt_N_Value0; HScroll_N1=N bis; "
    "txt_N_Value1=N bis eingeben; cmd_AusgewählteInListeMarkieren=Markierte Zeilen in die "
    "Elementeliste übernehmen; lv_Ausgabe=Ergebnistabelle; txt_Toleranz=Eigene Toleranz in %";

// What a screen reader announces for each kind of control: a label that takes the focus is a
// link, a bare widget that does is a drawing.
const QString kRoles =
    " QLineEdit=EditableText QPlainTextEdit=EditableText QComboBox=ComboBox QCheckBox=CheckBox "
    "QRadioButton=RadioButton QPushButton=Button QScrollBar=ScrollBar QTreeView=Tree QLabel=Link "
    "QWidget=Graphic";

QString Name(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The control with its surroundings, where a focus frame outside it is drawn.
QImage Surroundings(QWidget* control) {
    const QRect place(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    return control->window()->grab(place.adjusted(-3, -3, 3, 3)).toImage();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::MainWindowFixture> f_;

private slots:
    void init() { f_ = std::make_unique<testing::MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
        for (QWidget* window : testing::TopLevelWindows<QWidget>()) {
            window->close();
        }
    }

    // Steps on the main window (the evaluation window, which has no enabled menu entry, is
    // opened by the test), then "WINDOW: CONTROL[=NAME]; ...": its controls in the order of the
    // design, hidden ones included, some with the name a screen reader gives them.
    void everyControlHasANameARoleAndAVisibleFocus_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("design");
        QTest::newRow("main window") << "=rows 118" << kMainControls;
        QTest::newRow("main window searching") << "check Chk_Suchmodus 1" << kMainControls;
        QTest::newRow("converter")
            << "trigger ME_Umrechner"
            << "Fm_Umrechner: txt_Wert0=Frequenz f; Cb_Einheit0; txt_Wert1; Cb_Einheit1=Einheit "
               "Wellenlänge L; chk_Runden=Ausgabe Runden; txt_WertX; Cb_EinheitX0; "
               "Cb_EinheitX1=Vorsatz des Ergebnisses";
        // A changed entry enables "Speichern".
        QTest::newRow("settings")
            << "trigger ME_Einstellungen; keys Fm_Einstellungen/txt_Cx_Bezeichnung4 X"
            << "Fm_Einstellungen: txt_Cx0=Kürzel 1; txt_Cx_Wert0; txt_Cx_Bezeichnung0; txt_Cx1; "
               "txt_Cx_Wert1; txt_Cx_Bezeichnung1; txt_Cx2; txt_Cx_Wert2; "
               "txt_Cx_Bezeichnung2=Bezeichnung 3; txt_Cx3; txt_Cx_Wert3; txt_Cx_Bezeichnung3; "
               "txt_Cx4; txt_Cx_Wert4=Wert 5 in m; txt_Cx_Bezeichnung4; cmd_Speichern=Speichern";
        QTest::newRow("information")
            << "trigger ME_Info"
            << "Fm_Info: txt_Info0; txt_Info1=Gleichung und ihre Größen; Links1=Physik-Seiten des "
               "NIST; Links0=Wikipedia-Artikel zum Compton-Effekt";
        QTest::newRow("evaluation")
            << "=rows 118"
            << "Fm_Auswerten: pic_Plot0=Zeichenfläche der Einzelwellen; cmd_Test=Test; "
               "pic_Plot1=Zeichenfläche der Summe";
    }

    void everyControlHasANameARoleAndAVisibleFocus() {
        QFETCH(QString, steps);
        QFETCH(QString, design);
        QVERIFY(f_->Run(steps));
        const QString title = design.section(':', 0, 0);
        if (title == "Fm_Auswerten") {
            (new Fm_Auswerten())->show();
        }
        QWidget* shown =
            testing::Scenario(f_->desktop, [] { return nullptr; }).Find(title + "/" + title);
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QStringList order;
        for (const QString& control : design.section(": ", 1).split("; ")) {
            order << control.section('=', 0, 0);
            QVERIFY(!control.contains('=') || Name(testing::Control<QWidget>(
                                                  shown, order.last())) == control.section('=', 1));
        }
        QStringList taken;
        QHash<QWidget*, QImage> unfocused;
        if (QWidget* focused = shown->focusWidget()) {
            focused->clearFocus();
        }
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || control->window() != shown) {
                continue;
            }
            const QString what = control->objectName() + ": " + Name(control);
            QVERIFY2(!Name(control).isEmpty() && !taken.contains(Name(control)), qPrintable(what));
            taken << Name(control);
            for (QWidget* up = control->parentWidget(); up != shown; up = up->parentWidget()) {
                QVERIFY2(up->property("title") != Name(control), qPrintable(what));
            }
            const QMetaObject* type = control->metaObject();
            while (!kRoles.contains(QString(" %1=").arg(type->className()))) {
                type = type->superClass();
            }
            QCOMPARE(QMetaEnum::fromType<QAccessible::Role>().valueToKey(
                         QAccessible::queryAccessibleInterface(control)->role()),
                     kRoles.section(QString(" %1=").arg(type->className()), 1).section(' ', 0, 0));
            if (auto* box = qobject_cast<QComboBox*>(control)) {
                // The list is how a screen reader reaches the entries.
                const QAccessibleInterface* list =
                    QAccessible::queryAccessibleInterface(box)->child(0);
                QVERIFY(list != nullptr && list->object() == box->view());
            }
            // Tab reaches the controls shown and enabled, of a group of options the first.
            const bool reachable = (control->focusPolicy() & Qt::TabFocus) &&
                                   control->isVisible() && control->isEnabled();
            QVERIFY2(!reachable || order.contains(control->objectName()), qPrintable(what));
            unfocused.insert(control, reachable ? Surroundings(control) : QImage());
        }
        // The whole chain follows the design, hidden controls too.
        QStringList chain;
        QStringList tabStops;
        QWidget* control = testing::Control<QWidget>(shown, order.first());
        do {
            if (order.contains(control->objectName()) && !chain.contains(control->objectName())) {
                chain << control->objectName();
                const bool option =
                    qobject_cast<QRadioButton*>(control) &&
                    shown->findChild<QRadioButton*>(tabStops.value(tabStops.size() - 1));
                tabStops << (unfocused.value(control).isNull() || option ? QString()
                                                                         : chain.last());
            }
            control = control->nextInFocusChain();
        } while (control->objectName() != order.first());
        QCOMPARE(chain, order);
        tabStops.removeAll(QString());
        // From the last control round to it, as a keyboard user goes.
        testing::Control<QWidget>(shown, tabStops.last())->setFocus(Qt::TabFocusReason);
        QStringList visited;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
            QVERIFY2(Surroundings(QApplication::focusWidget()) !=
                         unfocused.value(QApplication::focusWidget()),
                     qPrintable(visited.last() + " shows no focus"));
        } while (visited.last() != tabStops.last() && visited.size() <= tabStops.size());
        QCOMPARE(visited, tabStops);
    }

    // The result table's menu opens below the current row and gives the focus back when it
    // closes.
    void resultTableMenuOpensFromTheKeyboard_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("menu key") << "Menu";
        QTest::newRow("Shift+F10") << "Shift+F10";
    }

    void resultTableMenuOpensFromTheKeyboard() {
        QFETCH(QString, keys);
        QVERIFY(f_->Run(QString("=rows 118")));
        QTreeView* table = f_->Table();
        const QModelIndex row = f_->TableModel()->index(2, 0);
        table->setCurrentIndex(row);
        QStringList seen;
        QPoint at;
        QTimer::singleShot(0, this, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* entry : menu->actions()) {
                    seen << entry->text();
                }
                at = menu->pos();
                menu->close();
            }
        });
        table->setFocus(Qt::TabFocusReason);
        QTest::keySequence(table, QKeySequence(keys));
        QCOMPARE(seen.join('|'), QString("Kopieren|Alles auswählen"));
        QCOMPARE(at, table->viewport()->mapToGlobal(table->visualRect(row).bottomLeft()));
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(f_->Window().focusWidget(), table);
    }

    // Space on the current element, on its name or on Z, unticks and ticks it; a screen reader
    // hears it.
    void spaceTicksTheCurrentElement() {
        for (int column : {0, 1}) {
            QVERIFY(f_->Run(QString("=rows 118")));
            f_->ElementList()->setCurrentItem(f_->ElementList()->topLevelItem(2), column);
            QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(f_->ElementList())
                                             ->tableInterface()
                                             ->cellAt(2, 0);
            QVERIFY(f_->Run(QString("key lv_Elemente Space; =rows 117; =cell 2 1 Beryllium")));
            QVERIFY(!cell->state().checked);
            QVERIFY(f_->Run(QString("key lv_Elemente Space; =rows 118; =cell 2 1 Lithium")));
            QVERIFY(cell->state().checked);
        }
    }

    // Every menu and entry has an access key ("&" before a letter, none twice in a menu) or a
    // shortcut.
    void menusWorkFromTheKeyboard() {
        QVERIFY(f_->Run(QString("=rows 118")));
        QStringList shown;
        for (QAction* title : f_->Window().menuBar()->actions()) {
            shown << title->text() + ":";
            for (QAction* entry : title->menu()->actions()) {
                shown << (entry->text() + " " + entry->shortcut().toString()).trimmed();
            }
        }
        QCOMPARE(shown.join(", "),
                 QString("&Datei:, Speichern &TXT, Speichern &XLS, Speichern unter … Ctrl+Shift+S, "
                         "&Beenden Ctrl+Q, &Fenster:, &Umrechner, &Auswerten, &Einstellungen, "
                         "&Info, &Hilfe:, Anleitung F1, &Über Kolvenar"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
