// The main window as a user meets it: start-up and closing, the inputs, the result table with
// its row-count question, overflows, copying and sorting, search mode, and the editor of the
// reference constants; each row is a user's steps played through the named controls.
#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QMimeData>
#include <QScopeGuard>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTreeWidget>

#include "support/main_window_fixture.h"
#include "ui/main/result_table_model.h"
#include "ui/main/result_view.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// Hydrogen and helium at N = 549 to 551, not rounded, with a negative factor on f.
const QString kOverflowEdge =
    "only 1 2; check chk_Runden 0; type txt_Wunschfaktor0 -2; range 549 551";

// Start-up and closing: what comes from and goes to the settings store.
void StartupRows() {
    QString ticked = "=ticked";
    for (int z = 1; z <= 118; ++z) {
        ticked += ' ' + QString::number(z);
    }
    // The defaults damaged settings fall back to (the units, rounding, the tolerance, the
    // squares and cubes, the reference length) are checked in damaged_settings_test.
    QTest::newRow("first start: the design defaults shown")
        << ticked +
               "; =checked chk_Feldauswahl2 1; =checked chk_A2 0; =checked chk_V2 0; =text "
               "txt_Toleranz 0.3; =text Lab_AnzGefundenerElemente 118 Elemente; =text Lab_N0 N "
               "von 33; =headers Element|Z|N|f in MHz|L in m|T in ns|A in m²|V in m³; =row 0 "
               "Wasserstoff|1|33|14385,3475|0,0208|0,0695|0,0004|0; =row 25 "
               "Eisen|26|33|553,2826|0,5418|1,8074|0,2936|0,1591; =text Fm_Main  Kolvenar - "
               "Zuzovudezivudizer , Version 1.0.0; =text Combo_Cx Ce Elektronen; pick Combo_Cx Cx "
               "Freie Eingabe; =text Lab_AusgabeCx Cx=1 m";
    QTest::newRow("every stored control comes back")
        << "pick Cb_Einheit0 kHz Kilo e+3; pick Cb_Einheit4 Parsec³; check chk_Runden 0; check "
           "chk_A2 1; check chk_V4 1; check chk_Feldauswahl2 0; click Chk_Suchmodus; click "
           "opt_Toleranz4; keys txt_Toleranz 7,5 kein Wert; click Chk_Suchmodus; pick Combo_Cx "
           "Cn Neutronen; untick 1 2; range 5.5 8; restart; =stored ElementVisible Z1 0; "
           "=stored ElementVisible Z2 0; =stored ElementVisible Z3 1; =stored ElementVisible "
           "Z118 1; =stored Fm_Main chk_V2 0; =stored Fm_Main opt_Toleranz 4; =text "
           "Cb_Einheit0 kHz Kilo e+3; =text Cb_Einheit4 Parsec³; =checked chk_Runden 0; "
           "=checked chk_A2 1; =checked chk_V2 0; =checked chk_V4 1; =checked chk_Feldauswahl2 "
           "0; =checked opt_Toleranz4 1; =text txt_Toleranz 0.37,5 kein Wert; =text Combo_Cx "
           "Cn Neutronen; " +
               QString(ticked).replace("=ticked 1 2 ", "=ticked ") +
               "; =value HScroll_N0 33; =value HScroll_N1 33; =rows 116; =cell 0 1 Lithium; "
               "=text Lab_AusgabeCx Cn=1.3195909067E-15 m";
    for (const char* path : {"trigger ME_Beenden", "key Fm_Main Ctrl+Q", "key lv_Ausgabe Escape",
                             "key Cb_Einheit2 Escape", "key txt_Wunschfaktor0 Escape",
                             "key lv_Elemente Escape", "key HScroll_N1 Escape"}) {
        QTest::newRow(path) << QString("pick Cb_Einheit1 km Kilo e+3; ") + (path) +
                                   "; =windows ; =stored Fm_Main Cb_Einheit1 6";
    }
}

// The N bars and boxes and the factor boxes.
void InputRows() {
    QTest::newRow("arrow and track steps")
        << "key HScroll_N1 PgDown; =value HScroll_N1 43; =text Lab_N1 N bis 43; "
           "key HScroll_N1 Right; =value HScroll_N1 44; key HScroll_N1 Left; "
           "key HScroll_N1 Left; =value HScroll_N1 42; key HScroll_N1 PgUp; "
           "=value HScroll_N1 32; answer Nein; key HScroll_N1 End; =value HScroll_N1 900; "
           "key HScroll_N0 Home; =value HScroll_N0 -900; =value HScroll_N1 -900";
    // A fraction counts upwards from the bar's whole number and keeps N within -900 to 900; one
    // that rounds to 1 is carried into the whole number.
    QTest::newRow("fractional N")
        << "only 1; type txt_N_Value0 -2.25; =value HScroll_N0 -3; =text txt_N_Value0 -2.25; "
           "=text Lab_N0 N von -2.25; =text Lab_N_Offset N + .75; =cell 0 3 -2,25; type "
           "txt_N_Value0 900.5; =text txt_N_Value0 900.5; =text Lab_N0 N von 900.5; =cell 0 3 "
           "900,5; type txt_N_Value0 -900.5; =text txt_N_Value0 -899.5; =cell 0 3 -899,5; type "
           "txt_N_Value0 -900.001; =text txt_N_Value0 -900; =cell 0 3 -900; type txt_N_Value0 "
           "5.999; =value HScroll_N0 6; =text Lab_N0 N von 6; =text Lab_N_Offset ; =cell 0 3 6; "
           "key HScroll_N0 End; =text Lab_N1 N bis 900; =cell 0 3 900; type txt_N_Value1 "
           "900.996; =value HScroll_N1 900; =text txt_N_Value1 900; =cell 0 3 900";
    // Each factor box holds the reciprocal of the other, rounded to 6 places; 1 is no factor.
    QTest::newRow("factor boxes")
        << "type txt_Wunschfaktor1 7; =rebuilds 1; type txt_Wunschfaktor0 0.1234567; =rebuilds 1; "
           "=text txt_Wunschfaktor1 8.099986; =text txt_Wunschfaktor0 .123457; type "
           "txt_Wunschfaktor0 1; =text txt_Wunschfaktor1 ; =y txt_Wunschfaktor0 16; =y "
           "txt_Wunschfaktor1 40";
}

void TableRows() {
    QTest::newRow("N 33, English")
        << "locale en; only 1; pick Cb_Einheit0 Hz; pick Cb_Einheit2 s; check chk_Feldauswahl3 "
           "0; check chk_Feldauswahl4 0; check chk_Runden 0; range 33 33; =row 0 "
           "Wasserstoff|1|33|14385347523.137|0.0208401262129971|6.95151784405368E-11";
    QTest::newRow("halves without A and V, units without names")
        << "only 1; check chk_Feldauswahl3 0; check chk_Feldauswahl4 0; check chk_A2 1; check "
           "chk_V2 1; check chk_V4 1; pick Cb_Einheit0 kHz Kilo e+3; pick Cb_Einheit2 Min.; "
           "pick Cb_Einheit4 Lichtjahre³; =headers Element|Z|N|f in kHz|L in m|T in Min.|A / 2 "
           "in m²|V / 2 in Lichtjahre³|V / 4 in Lichtjahre³; =row 0 "
           "Wasserstoff|1|33|14385347,5231|0,0208|0|0,0002|0|0";
    QTest::newRow("Überlauf cells")
        << "only 1; check chk_A2 1; range 551 551; =row 0 "
           "Wasserstoff|1|551|0|1,78829062079762E+154|5,96509542877698E+154|Überlauf|Überlauf|"
           "Überlauf";
    QTest::newRow("division by zero, then a table again")
        << "store Fm_Main Einstellungen Ja; store Fm_Main Cx_Wert4 1E-320; store Fm_Main "
           "Combo_Cx 4; only 1; check chk_Runden 0; =cell 0 4 Überlauf; =messages 0; answer OK; "
           "type txt_N_Value0 -900; =message  Fehler !?|11 : Division durch Null; =visible "
           "lv_Ausgabe 0; =rows 0; =enabled ME_Speichern0 0; =text Lab_AnzGefundenerElemente ; "
           "type "
           "txt_N_Value0 33; =visible lv_Ausgabe 1; =rows 1";
    QTest::newRow("no element")
        << "click cmd_ElementeVisible0; =visible lv_Ausgabe 0; =rows 0; =visible "
           "cmd_AusgewählteInListeMarkieren 0; =enabled ME_Speichern1 0; =enabled "
           "ME_SpeichernUnter 0; =text Lab_AusgabeCx ; =messages 0; click "
           "cmd_ElementeVisible1; "
           "=visible cmd_AusgewählteInListeMarkieren 1; =enabled ME_SpeichernUnter 1";
    // Copying puts the highlighted rows, as shown and in the order shown, on the clipboard (Down
    // highlights the row below the current one instead) as they are when copied, whatever
    // comes after; a sort lets go of them; a click on a header sorts by value ("Überlauf"
    // after every number either way, equal values in built order), the second reverses, a
    // rebuild keeps the sort, the third returns to the built order.
    QTest::newRow("copy two rows")
        << "only 1 42; check chk_Feldauswahl0 0; check chk_Feldauswahl2 0; check chk_Feldauswahl3 "
           "0; check chk_Feldauswahl4 0; range 33 34; =enabled ME_Kopieren 0; select 2 1; =enabled "
           "ME_Kopieren 1; key lv_Ausgabe "
           "Ctrl+C; =clipboard Element\tZ\tN\tL in "
           "m\nWasserstoff\t1\t34\t0,0417\nMolybdän\t42\t33\t0,8753\n; key lv_Ausgabe "
           "Down; key lv_Ausgabe Ctrl+C; =clipboard Element\tZ\tN\tL in "
           "m\nWasserstoff\t1\t34\t0,0417\n; header L in m; =enabled ME_Kopieren 0; range 35 35; "
           "=clipboard Element\tZ\tN\tL in m\nWasserstoff\t1\t34\t0,0417\n";
    // A copy of many rows is written in ranges on every core; it is the text of one, also where
    // the rows highlighted are not one run and are sorted.
    QTest::newRow("copy of many rows, sorted, with gaps")
        << "only 1 2 3 4 5 6 7 8 9 10; answer Ja; range -900 900; =rows 18010; header L in m; "
           "key lv_Ausgabe Ctrl+A, Ctrl+Home, Ctrl+Space; key lv_Ausgabe Ctrl+PgDown, "
           "Ctrl+Space, Ctrl+End, Ctrl+Space; key lv_Ausgabe Ctrl+C; =copied 18008; "
           "=copiedAsOneThread same";
    QTest::newRow("area with Überlauf")
        << kOverflowEdge +
               "; header A in m²; =order 1:549 1:550 2:549 1:551 2:550 2:551; =sorted A in m² "
               "ascending; header A in m²; =order 1:550 2:549 1:549 1:551 2:550 2:551; check "
               "chk_Feldauswahl2 0; =order 1:550 2:549 1:549 1:551 2:550 2:551; =sorted A in "
               "m² descending; header A in m²; =order 1:549 1:550 1:551 2:549 2:550 2:551; "
               "=sorted ";
    QTest::newRow("negative numbers")
        << kOverflowEdge +
               "; header f * -2 in MHz; =order 1:549 1:550 2:549 1:551 2:550 2:551; header f * "
               "-2 in MHz; =order 2:551 1:551 2:550 1:550 2:549 1:549; header f in MHz; =order "
               "2:551 1:551 2:550 1:550 2:549 1:549; =sorted f in MHz ascending";
    // Above 3600 rows the user is asked; "Ja" with "Nicht mehr fragen" ticked silences the
    // question for good, also after a restart; "Nein" builds nothing.
    const QString question = QStringLiteral(
        "=message  Achtung|Die Ausgabe würde 3602 Zeilen ergeben !\nDas könnte evtl. eine "
        "Weile dauern !\n\n<JA> Ich warte dann ...\n<NEIN> Ups , dann stelle ich N anders "
        "ein oder wähle weniger Elemnte .");
    QTest::newRow("3602 no, ticked")
        << QString("only 1 2; range -900 899; =rows 3600; answer Nein tick; range -900 900; ") +
               (question) +
               "; =rows 0; =visible lv_Ausgabe 0; =enabled ME_Speichern0 0; =text "
               "Lab_AusgabeCx ; restart; answer Nein; range -900 900; =messages 2";
    QTest::newRow("3602 yes, ticked")
        << "only 1 2; answer Ja tick; range -900 900; =rows 3602; restart; range -900 900; "
           "=rows 3602; =messages 1; =stored Fm_Main ZeilenfrageNichtMehrFragen 1";
}

// Search mode: the search controls, the rows a search finds, and carrying highlighted rows
// back into the element list.
void SearchRows() {
    QTest::newRow("switching search on and off")
        << "=enabled Lab_Toleranz 0; =enabled txt_Suchen2 0; click Chk_Suchmodus; =visible "
           "Fr_N 0; =enabled txt_Suchen4 1; =enabled opt_Toleranz3 1; =enabled Lab_Toleranz 1; "
           "=enabled txt_Toleranz 1; =visible lv_Ausgabe 0; =rows 0; =enabled ME_Speichern0 0; "
           "click Chk_Suchmodus; =visible Fr_N 1; =enabled txt_Suchen0 0; =enabled "
           "Lab_Toleranz 0; =rows 118";
    QTest::newRow("wavelength with 10 %")
        << "only 1; click Chk_Suchmodus; =rebuilds 3; click opt_Toleranz3; =rebuilds 0; "
           "=checked opt_Toleranz3 1; type txt_Suchen1 0.0208; =rebuilds 1; =order 1:33; =text "
           "Lab_AnzGefundenerElemente 1 Element; =visible lv_Ausgabe 1; =enabled ME_Speichern1 "
           "1; =enabled cmd_AusgewählteInListeMarkieren 1; check Chk_Suchmodus 0; =text "
           "txt_Suchen1 .0208; =order 1:33; check Chk_Suchmodus 1; =order 1:33";
    // The example of the guide: each row names the test it passed nearest, and by how much; sorted
    // by that the nearest first, then the farthest, as "Sortieren nach" says; the option is kept.
    QTest::newRow("deviation shown, sorted, copied and kept")
        << "pick Cb_Einheit1 nm Nano e-9; type txt_Wunschfaktor1 2; click Chk_Suchmodus; click "
           "opt_Toleranz2; type txt_Suchen1 589; =rows 32; trigger ME_Abweichung; trigger "
           "ME_SortierenNach12; =row 0 "
           "Praseodym|59|11|1022652892,5031|511326446,2516|293,1517|586,3034|0|0|0|L * 2|-0,4578; "
           "=text ME_SortierenNach12 A&bweichung in % ▲; trigger ME_SortierenNach12; =sorted "
           "Abweichung in % descending; =text ME_SortierenNach12 A&bweichung in % ▼; select 0; key "
           "lv_Ausgabe Ctrl+C; =clipboard Element\tZ\tN\tf in MHz\tf * 0,5 in MHz\tL in nm\tL * 2 "
           "in nm\tT in ns\tA in m²\tV in m³\tTreffer\tAbweichung in "
           "%\nUnuntrium\t113\t10\t1067903020,49\t533951510,245\t280,73\t561,4601\t0\t0\t0\tL * "
           "2\t-4,6757\n; trigger ME_SortierenNach11; =cell 0 11 L; =cell 31 11 L * 2; restart; "
           "=checked ME_Abweichung 1";
    QTest::newRow("halves") << "only 1; check chk_V4 1; click Chk_Suchmodus; click "
                               "opt_Toleranz2; type txt_Suchen4 2.2E-06; =order 1:33";
    // The focus stays in the table, on the first row that was highlighted.
    QTest::newRow("marking keeps the elements of highlighted rows")
        << "only 1 2 3; range 30 32; =rows 9; select 4 7; click "
           "cmd_AusgewählteInListeMarkieren; =ticked 2 3; =rows 6; =enabled "
           "cmd_AusgewählteInListeMarkieren 1; =focus lv_Ausgabe 1; key lv_Ausgabe Ctrl+C; "
           "=clipboard Element\tZ\tN\tf in MHz\tL in m\tT in ns\tA in m²\tV in "
           "m³\nHelium\t2\t31\t28770,695\t0,0104\t0,0348\t0,0001\t0\n";
    // Clicking into the own-value box chooses the own tolerance without a search; Enter
    // there searches and refuses values outside 0 < t <= 50 (a comma ends the number).
    QTest::newRow("own tolerance limits")
        << "only 1; click Chk_Suchmodus; type txt_Suchen1 0.02; =rebuilds 4; click txt_Toleranz; "
           "=checked opt_Toleranz0 1; =rebuilds 0; answer OK; type txt_Toleranz 0; =messages 1; "
           "=message  Meldung|Bei der Suche mit eigener Toleranz bitte einen Wert >0 und <=50 % "
           "eingeben .; answer OK; type txt_Toleranz 50.5; =text txt_Toleranz 50.5; =messages 2; "
           "type txt_Toleranz 50; =messages 2; =rows 2; type txt_Toleranz 7,5; =text txt_Toleranz "
           "7; =messages 2; =rows 1";
}

// The editor of the reference constants ("E/" names its controls).
void SettingsWindowRows() {
    // Saved without surrounding blanks; the main window reads the leading number. The reference
    // length's caption uses the room of its frame; a longer one ends in "…" and is whole in its
    // tool tip and for a screen reader.
    QTest::newRow("saving updates the main window at once")
        << QString(
               "pick Combo_Cx Cn Neutronen; =shown Lab_AusgabeCx Cn=1.3195909067E-15 m; =toolTip "
               "Lab_AusgabeCx ; trigger ME_Einstellungen; =text E/txt_Cx_Wert2 "
               "1.3195909067E-15; keys E/txt_Cx_Bezeichnung0 "
               "X; =enabled E/cmd_Speichern 1; type E/txt_Cx0   Ca  ; type E/txt_Cx_Wert0 2,5E-12; "
               "click E/cmd_Speichern; =enabled E/cmd_Speichern 0; =windows Fm_Einstellungen "
               "Fm_Main; =stored Fm_Main Cx0 Ca; =stored Fm_Main Cx_Wert0 2,5E-12; =stored Fm_Main "
               "Cx_Bezeichnung0 ElektronenX; =text Combo_Cx Ca ElektronenX; =text Lab_AusgabeCx "
               "Ca=2 m; =rows 118; type E/txt_Cx0 Elektronen-Comptonwellenlaenge; click "
               "E/cmd_Speichern; =shown Lab_AusgabeCx Elektronen-Comptonwellenl…; =toolTip "
               "Lab_AusgabeCx Elektronen-Comptonwellenlaenge=2 m; =accessibleName Lab_AusgabeCx "
               "Elektronen-Comptonwellenlaenge=2 m")
               .replace("E/", "Fm_Einstellungen/");
}

}  // namespace

class FmMainTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void play_data() {
        QTest::addColumn<QString>("steps");
        StartupRows();
        InputRows();
        TableRows();
        SearchRows();
        SettingsWindowRows();
    }

    void play() {
        QFETCH(QString, steps);
        QVERIFY(f_->Run(steps));
    }

    // A first start stores the factory constants and the settings window's placement, nothing
    // else; closing adds the main window's settings. Both files as earlier versions wrote them.
    void firstStartWritesTheSettingsFileOfEarlierVersions() {
        f_->Start();
        QCOMPARE(testing::ReadFileBytes(f_->settings.FilePath()),
                 testing::ReadFileBytes(QFINDTESTDATA("data/first_start.conf")));
        f_->CloseWindow();
        QCOMPARE(testing::ReadFileBytes(f_->settings.FilePath()),
                 testing::ReadFileBytes(QFINDTESTDATA("data/first_start_closed.conf")));
    }

    // One click on an arrow of "N bis" is one step and one question, although the window system
    // gives the release to the window the question blocks; and the table shown is that of the
    // range shown, also when a rebuild is asked for while the question is open.
    void oneClickOnABarIsOneStep() {
        QVERIFY(f_->Run(QString("range 33 62; =rows 3540; answer Ja")));
        auto* bar = f_->Find<QScrollBar>("HScroll_N1");
        const QPoint arrow(bar->width() - 4, bar->height() / 2);
        f_->desktop.realBoxes = true;
        f_->desktop.whileOpen = [&] {
            QTest::mouseRelease(f_->Window().windowHandle(), Qt::LeftButton, {},
                                bar->mapTo(&f_->Window(), arrow));
            f_->Find<QScrollBar>("HScroll_N0")->setValue(40);
            QTest::qWait(800);  // longer than a bar held down waits before it steps again
        };
        QTest::mousePress(bar, Qt::LeftButton, {}, arrow);
        QTest::qWait(800);
        QVERIFY(
            f_->Run(QString("=messages 1; =value HScroll_N1 40; =text Lab_N1 N bis 40; =rows "
                            "118; =cell 117 3 40")));
    }

    // What the clipboard handed out stays whole after the next copy has replaced it (a
    // platform may still be sending it).
    void copiedTextOutlivesTheNextCopy() {
        QVERIFY(f_->Run(QString("key lv_Ausgabe Ctrl+A; key lv_Ausgabe Ctrl+C")));
        const QByteArray first = QGuiApplication::clipboard()->mimeData()->data("text/plain");
        QVERIFY(
            f_->Run(QString("only 1; key lv_Ausgabe Ctrl+A; key lv_Ausgabe Ctrl+C; =copied 2")));
        QCOMPARE(first.count('\n'), 119);
        QVERIFY(first.contains("\nEisen\t26\t33\t553,2826\t0,5418\t1,8074\t0,2936\t0,1591\n"));
    }

    // Only the user leaving an N box for another control empties it, not a message box that
    // takes the focus for a moment.
    void leavingAnNBoxEmptiesIt() {
        f_->desktop.realBoxes = true;
        QVERIFY(f_->Run({"answer Nein", "key txt_N_Value1 9, 0, 0, Return", "=messages 1",
                         "=text txt_N_Value1 900"}));
        QVERIFY(f_->desktop.focusTaken);
        QVERIFY(f_->Run({"key txt_N_Value1 Tab", "=text txt_N_Value1 ", "=value HScroll_N0 33"}));
    }

    // Every list of units or prefixes opens with all its entries in view, also in a style whose
    // lists scroll.
    void unitListsShowEveryEntry() {
        const QString style = QApplication::style()->name();
        QApplication::setStyle("Windows");
        const auto restore = qScopeGuard([&style] { QApplication::setStyle(style); });
        QVERIFY(f_->Run(QString("trigger ME_Umrechner")));
        testing::Scenario windows(f_->desktop, [this] { return &f_->Window(); });
        for (const QString name :
             {"Cb_Einheit0", "Cb_Einheit1", "Cb_Einheit2", "Cb_Einheit3", "Cb_Einheit4", "Combo_Cx",
              "Fm_Umrechner/Cb_Einheit0", "Fm_Umrechner/Cb_Einheit1", "Fm_Umrechner/Cb_EinheitX0",
              "Fm_Umrechner/Cb_EinheitX1"}) {
            auto* list = qobject_cast<QComboBox*>(windows.Find(name));
            list->showPopup();
            QVERIFY2(list->view()->verticalScrollBar()->maximum() == 0, qPrintable(name));
            list->hidePopup();
        }
    }

    void columnsAndLists() {
        QVERIFY(
            f_->Run({"only 1 26 79 118", "check chk_Runden 0", "check chk_V4 1", "range -40 40"}));
        auto* table = f_->Find<QTreeView>("lv_Ausgabe");
        const QAbstractItemModel* model = table->model();
        QStyleOptionViewItem option;
        option.initFrom(table);
        option.widget = table;
        option.font = table->font();
        int total = 0;
        // Every title, and every cell with the margins its delegate draws round it (whose size
        // hint rounds a fractional text width up: a pixel less still shows the text whole).
        for (int column = 0; column < model->columnCount(); ++column) {
            int widest =
                QFontMetrics(table->font())
                    .horizontalAdvance(model->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < model->rowCount(); ++row) {
                widest = std::max(
                    widest,
                    table->itemDelegate()->sizeHint(option, model->index(row, column)).width());
            }
            QVERIFY(table->header()->sectionSize(column) >= widest - 1);
            total += table->header()->sectionSize(column);
        }
        QCOMPARE(table->header()->sectionSize(0), 10);
        QVERIFY(total >= table->viewport()->width());
        QVERIFY(
            f_->Run({"check chk_Feldauswahl0 0", "check chk_Feldauswahl2 0",
                     "check chk_Feldauswahl3 0", "check chk_Feldauswahl4 0", "check chk_V4 0"}));
        QCOMPARE(table->header()->length(), table->viewport()->width());

        Fm_Main& window = f_->Window();
        auto* elements = f_->Find<QTreeWidget>("lv_Elemente");
        window.resize(900, 700);
        const QWidget* client = window.centralWidget();
        QCOMPARE(table->geometry().right() + 1, client->width() - 7);
        QCOMPARE(table->geometry().bottom() + 1, client->height() - 7);
        QCOMPARE(elements->geometry().bottom() + 1, client->height() - 7);
        QCOMPARE(elements->width(), 145);
        // The last column follows the window too.
        QCOMPARE(table->header()->width(), table->viewport()->width());
        QCOMPARE(table->header()->length(), table->viewport()->width());
        window.resize(120, 150);
        QCOMPARE(table->size(), QSize(1, 1));
        QCOMPARE(elements->height(), 1);
        // A search that finds nothing keeps its titles across the view.
        QVERIFY(f_->Run(QString("click Chk_Suchmodus; type txt_Suchen1 -1; =rows 0")));
        window.resize(1000, 700);
        QCOMPARE(table->header()->length(), table->viewport()->width());
    }

    // The cells are painted as the style paints them, pixel for pixel: numbers in both
    // notations, names with umlauts, highlighted rows, the current row, a column too narrow
    // for its numbers.
    void cellsPaintedAsTheStylePaintsThem() {
        QVERIFY(f_->Run({"only 1 79 92", "check chk_Runden 0", "range -900 -898", "select 1 3"}));
        auto* table = f_->Find<ResultTableView>("lv_Ausgabe");
        table->setCurrentIndex(table->model()->index(4, 2));
        table->header()->resizeSection(5, table->header()->sectionSize(5) / 2);
        const QImage painted = table->viewport()->grab().toImage();
        QStyledItemDelegate byTheStyle;
        QAbstractItemDelegate* ours = table->itemDelegate();
        table->setItemDelegate(&byTheStyle);
        const QImage expected = table->viewport()->grab().toImage();
        table->setItemDelegate(ours);
        QCOMPARE(painted, expected);
    }

    // The model keeps Qt's contract through rebuilds, sorting and clearing, and gives nothing for
    // a row or column it does not have, also through an index kept from a larger table.
    void modelContract() {
        QVERIFY(f_->Run({"only 1 2", "range 0 2"}));
        auto& model = f_->Find<ResultTableView>("lv_Ausgabe")->Model();
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QModelIndex third = model.index(2, 4);
        QVERIFY(f_->Run({"header f in MHz", "trigger ME_SortierenNach4", "range 0 1",
                         "click cmd_ElementeVisible0", "only 2"}));
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!model.data(third).isValid());
        for (const auto& [row, column] : {std::pair{2, 1}, {-1, 1}, {0, 0}, {0, 9}}) {
            QCOMPARE(model.CellText(row, column), QString());
        }
    }
};

QTEST_MAIN(FmMainTest)
#include "fm_main_test.moc"
