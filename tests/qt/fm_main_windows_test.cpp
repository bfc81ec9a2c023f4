// The side windows beside the main window, and what a keyboard or screen reader user meets in
// all of them. Each side window at most once, Escape, their places and settings kept, the
// program's icon, the guide behind F1; every control that takes the focus has a name and a role,
// Tab reaches all of them in the design order and each shows that it has the focus; the result
// table's menu, the element ticks and the menus work from the keyboard.
#include <QAccessible>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "support/main_window_fixture.h"
#include "ui/main/application.h"
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

class FmMainWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::MainWindowFixture> f_;

private slots:
    void initTestCase() { SetUpApplication(); }

    void init() { f_ = std::make_unique<testing::MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        // Windows store their places on closing, so they close while the settings folder
        // still exists.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        f_.reset();
        QTest::qWait(0);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Scenario steps on the main window and: "move W X Y", "resize W WIDTH HEIGHT" and "minimize
    // W" a window, "plot" opens the evaluation window (it has no menu entry yet), "close" closes
    // the main window, "nobrowser" leaves the desktop nothing to open addresses with,
    // "refusingbrowser" gives it an opener that reports failure; "=active W", "=icons" (every
    // window shows the program's icon in its seven sizes), "=guide" (the guide opened is the
    // German page with its four pictures beside it), "=guide shown" (the guide window shows the
    // page with its title and a picture).
    // A window reopened at its place stores that place again when it closes.
    void sideWindowLife_data() {
        QTest::addColumn<QString>("steps");
        // Chosen again: the same window, brought to the front, also from the task bar. Escape
        // closes it from any control.
        for (QString control : {"txt_Wert0", "Cb_EinheitX1"}) {
            QTest::newRow(qPrintable("converter, Escape in " + control))
                << QString(
                       "trigger ME_Umrechner; type Fm_Umrechner/txt_Wert0 5; trigger ME_Info; "
                       "trigger ME_Umrechner; =active Fm_Umrechner; =enabled Fm_Main 1; =text "
                       "Fm_Umrechner/txt_Wert0 5; minimize Fm_Umrechner; trigger ME_Umrechner; "
                       "=minimized Fm_Umrechner/Fm_Umrechner 0; =active Fm_Umrechner; key "
                       "Fm_Umrechner/%1 Escape; =windows Fm_Info "
                       "Fm_Main")
                       .arg(control);
        }
        for (QString control : {"txt_Info1", "Links0"}) {
            QTest::newRow(qPrintable("information, Escape in " + control))
                << QString(
                       "trigger ME_Info; trigger ME_Umrechner; trigger ME_Info; =active "
                       "Fm_Info; move Fm_Info 150 75; key Fm_Info/%1 Escape; =windows Fm_Main "
                       "Fm_Umrechner; =stored Fm_Info L 2250; =stored Fm_Info T 1125; trigger "
                       "ME_Info; key Fm_Info/%1 Escape; =stored Fm_Info L 2250; =stored Fm_Info T "
                       "1125")
                       .arg(control);
        }
        // Unsaved edits go with the window.
        QTest::newRow("settings")
            << "trigger ME_Einstellungen; keys Fm_Einstellungen/txt_Cx1 Zz; trigger ME_Umrechner; "
               "trigger ME_Einstellungen; =active Fm_Einstellungen; =text Fm_Einstellungen/txt_Cx1 "
               "CpZz; move Fm_Einstellungen 90 60; key Fm_Einstellungen/txt_Cx_Wert3 Escape; "
               "=windows Fm_Main Fm_Umrechner; =stored Fm_Einstellungen L 1350; =stored "
               "Fm_Einstellungen T 900; trigger ME_Einstellungen; =text Fm_Einstellungen/txt_Cx1 "
               "Cp; key Fm_Einstellungen/cmd_Speichern Escape; =stored Fm_Einstellungen T 900";
        // The size is kept with the frame: 2 pixels each side.
        QTest::newRow("plot")
            << "=enabled ME_Auswerten 0; trigger ME_Auswerten; =windows Fm_Main; plot; =icons; key "
               "Fm_Auswerten/pic_Plot1 Escape; =windows Fm_Main; =stored Fm_Auswerten W 9600; "
               "=stored Fm_Auswerten H 7200; plot; resize Fm_Auswerten 700 500; key "
               "Fm_Auswerten/cmd_Test Escape; =stored Fm_Auswerten W 10560; plot; key "
               "Fm_Auswerten/pic_Plot0 Escape; =stored Fm_Auswerten W 10560; =stored Fm_Auswerten "
               "H 7560";
        QTest::newRow("F1 opens the guide") << "key Fm_Main F1; =messages 0; =guide";
        QTest::newRow("without a browser the guide shows in a window of its own")
            << "nobrowser; key Fm_Main F1; trigger ME_Umrechner; trigger ME_Anleitung; =active "
               "Fm_Anleitung; =text Fm_Anleitung/Fm_Anleitung  Anleitung; =guide shown; "
               "=accessibleName Fm_Anleitung/txt_Anleitung Text der Anleitung; =messages "
               "0; minimize Fm_Anleitung; key Fm_Main F1; =minimized Fm_Anleitung/Fm_Anleitung 0; "
               "=active Fm_Anleitung; key Fm_Anleitung/txt_Anleitung Escape; =windows Fm_Main "
               "Fm_Umrechner";
        QTest::newRow("an opener that reports failure: the guide's own window")
            << "refusingbrowser; key Fm_Main F1; =active Fm_Anleitung; =guide shown; =messages 0";
        QTest::newRow("about Kolvenar")
            << QString(
                   "answer OK; trigger ME_UeberKolvenar; =message  Über Kolvenar|Kolvenar "
                   "1.0.0\nRechner für die Elementresonanz der chemischen Elemente\n© 2026 "
                   "Quorvin, alle Rechte vorbehalten (proprietäre Lizenz)\nLäuft mit Qt %1\n"
                   "https://kolvenar.org; =windows Fm_Main")
                   .arg(qVersion());
        QTest::newRow("Mehrfachsuche, once, Escape in its list")
            << "trigger ME_Mehrfachsuche; keys Fm_Mehrfachsuche/txt_Messwerte 5; trigger ME_Info; "
               "trigger ME_Mehrfachsuche; =active Fm_Mehrfachsuche; =text "
               "Fm_Mehrfachsuche/Fm_Mehrfachsuche  Mehrfachsuche; =text "
               "Fm_Mehrfachsuche/txt_Messwerte 5; key Fm_Mehrfachsuche/txt_Messwerte Escape; "
               "=windows Fm_Info Fm_Main; =file %T/Mehrfachsuche.txt 5";
        // New reference lengths reach the open Mehrfachsuche at once.
        QTest::newRow("Mehrfachsuche follows the stored reference lengths")
            << "trigger ME_Mehrfachsuche; pick Fm_Mehrfachsuche/Combo_Cx Cx Freie Eingabe; trigger "
               "ME_Einstellungen; keys Fm_Einstellungen/txt_Cx_Bezeichnung4 X; click "
               "Fm_Einstellungen/cmd_Speichern; =text Fm_Mehrfachsuche/Combo_Cx Cx Freie EingabeX";
        QTest::newRow("all close with the main window")
            << "trigger ME_Umrechner; trigger ME_Info; trigger ME_Einstellungen; trigger "
               "ME_Mehrfachsuche; =icons; pick Fm_Umrechner/Cb_EinheitX0 Kilo e+3; pick "
               "Fm_Mehrfachsuche/Cb_Groesse Energie; move Fm_Umrechner 30 15; move "
               "Fm_Einstellungen 45 30; close; =windows; =stored Fm_Umrechner Cb_EinheitX0 11; "
               "=stored Fm_Umrechner L 450; =stored Fm_Info WindowState 0; =stored "
               "Fm_Einstellungen T 450; =stored Fm_Mehrfachsuche Cb_Groesse 5";
    }

    void sideWindowLife() {
        QFETCH(QString, steps);
        QPointer<QWidget> main = &f_->Start();
        f_->Window().SetUserDataFolder(f_->files.path());
        testing::Scenario scenario(
            f_->desktop, [&main] { return main.data(); }, f_->files.path());
        for (const QString& step : steps.split("; ")) {
            const QStringList words = step.split(' ');
            QWidget* window = scenario.Find(words.value(1) + "/" + words.value(1));
            if (words[0] == "plot") {
                (new Fm_Auswerten())->show();
            } else if (words[0] == "close") {
                f_->CloseWindow();
            } else if (words[0] == "=icons") {
                for (QWidget* shown : QApplication::topLevelWidgets()) {
                    QCOMPARE(shown->windowIcon().availableSizes().size(), 7);
                }
            } else if (words[0] == "nobrowser") {
                f_->desktop.opensAddresses = false;
            } else if (words[0] == "refusingbrowser") {
                f_->desktop.openerRefuses = true;
            } else if (step == "=guide shown") {
                auto* page =
                    qobject_cast<QTextBrowser*>(scenario.Find("Fm_Anleitung/txt_Anleitung"));
                QVERIFY(page != nullptr);
                QCOMPARE(page->documentTitle(), QString("Kolvenar – Anleitung"));
                const QVariant picture = page->document()->resource(
                    QTextDocument::ImageResource, QUrl("bilder/hauptfenster.png"));
                QCOMPARE(picture.value<QPixmap>().size(), QSize(640, 480));
            } else if (words[0] == "=guide") {
                const QString guide = f_->desktop.openedAddresses.value(0).toLocalFile();
                // The page the build laid out beside the program, its five pictures beside it.
                QCOMPARE(QDir(QFileInfo(guide).path() + "/bilder").entryList({"*.png"}).size(), 5);
            } else if (words[0] == "=active") {
                QVERIFY2(window && QTest::qWaitForWindowActive(window), qPrintable(step));
            } else if (words[0] == "minimize") {
                QVERIFY2(window, qPrintable(step));
                window->showMinimized();
            } else if (words[0] == "move" || words[0] == "resize") {
                QVERIFY2(window, qPrintable(step));
                const QPoint at(words[2].toInt(), words[3].toInt());
                words[0] == "move" ? window->move(at) : window->resize(at.x(), at.y());
            } else {
                QVERIFY(scenario.Run({step}));
            }
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

    // The result table's menu opens below the current row, from the menu key and from
    // Shift+F10, and gives the focus back when it closes.
    void resultTableMenuOpensFromTheKeyboard() {
        QVERIFY(f_->Run(QString("=rows 118")));
        QTreeView* table = f_->Table();
        const QModelIndex row = table->model()->index(2, 0);
        table->setCurrentIndex(row);
        for (const char* keys : {"Menu", "Shift+F10"}) {
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
            QCOMPARE(seen.join('|'),
                     QString("&Kopieren|Alles aus&wählen||&Abweichung zeigen|&Sortieren nach"));
            QCOMPARE(at, table->viewport()->mapToGlobal(table->visualRect(row).bottomLeft()));
            QVERIFY(QApplication::activePopupWidget() == nullptr);
            QCOMPARE(f_->Window().focusWidget(), table);
        }
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

    // Every menu and entry has an access key ("&" before a letter, none twice in a menu), some a
    // shortcut besides; the columns to sort by too.
    void menusWorkFromTheKeyboard() {
        QVERIFY(f_->Run(QString("type txt_Wunschfaktor0 2")));
        QStringList shown;
        for (QAction* title : f_->Window().menuBar()->actions()) {
            shown << title->text() + ":";
            for (QAction* entry : title->menu()->actions()) {
                shown << (entry->text() + " " + entry->shortcut().toString()).trimmed();
                if (QMenu* columns = entry->menu()) {
                    emit columns->aboutToShow();  // as it opens
                    for (QAction* column : columns->actions()) {
                        shown << (column->isVisible() ? column->text() : QString());
                    }
                }
            }
        }
        shown.removeAll(QString());
        QCOMPARE(
            shown.join(", "),
            QString("&Datei:, Speichern &TXT, Speichern &XLS, Speichern &unter … Ctrl+Shift+S, "
                    "&Beenden Ctrl+Q, &Fenster:, &Umrechner, &Auswerten, &Einstellungen, "
                    "&Info, &Mehrfachsuche, &Ansicht:, &Abweichung zeigen, &Sortieren nach, "
                    "&Element, &Z, &N, "
                    "&f in MHz, f * &2 in MHz, &L in m, L * &0,5 in m, &T in ns, &A in m², &V "
                    "in m³, &Ursprüngliche Reihenfolge, &Hilfe:, &Anleitung F1, &Über Kolvenar"));
    }
};

QTEST_MAIN(FmMainWindowsTest)
#include "fm_main_windows_test.moc"
