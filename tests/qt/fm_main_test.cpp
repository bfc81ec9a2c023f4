// The main window as a user meets it: start-up and closing, the inputs, the result table with
// its row-count question, overflows, copying and sorting, search mode, and the editor of the
// reference constants; each row is a user's steps played through the named controls.
#include <QAbstractItemModelTester>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

#include "output/result_table_model.h"
#include "support/main_window_fixture.h"
#include "ui/main/result_view.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// Hydrogen only, f, L, T in Hz, m, s, not rounded.
const QString kHydrogen =
    "only 1; pick Cb_Einheit0 Hz; pick Cb_Einheit2 s; check chk_Feldauswahl3 0; check "
    "chk_Feldauswahl4 0; check chk_Runden 0";
// A reference length in slot 4, chosen.
QString WithReferenceLength(const QString& value) {
    return "store Fm_Main Einstellungen Ja; store Fm_Main Cx4 Cx; store Fm_Main Cx_Wert4 " + value +
           "; store Fm_Main Combo_Cx 4; only 1; check chk_Runden 0";
}

// Hydrogen and molybdenum at N = 33 and 34, only the wavelength, rounded.
const QString kTwoByTwo =
    "only 1 42; check chk_Feldauswahl0 0; check chk_Feldauswahl2 0; check chk_Feldauswahl3 0; "
    "check chk_Feldauswahl4 0; range 33 34";
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
    QTest::newRow("first start: the factory constants stored, the design defaults shown")
        << "=stored Fm_Main Cx0 Ce; =stored Fm_Main Cx_Bezeichnung4 Freie Eingabe; " + ticked +
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

// The N bars and boxes, factor boxes, element list, field selection, units and reference
// length; each rebuilds the table exactly as often as it should.
void InputRows() {
    QTest::newRow("moving N von collapses the range")
        << "bar HScroll_N1 20; =rebuilds 1; bar HScroll_N0 10; =rebuilds 1; =value HScroll_N1 "
           "10; =text Lab_N1 N bis 10; =rows 118; =cell 0 3 10";
    QTest::newRow("arrow and track steps")
        << "key HScroll_N1 PgDown; =value HScroll_N1 43; =text Lab_N1 N bis 43; "
           "key HScroll_N1 Right; =value HScroll_N1 44; key HScroll_N1 Left; "
           "key HScroll_N1 Left; =value HScroll_N1 42; key HScroll_N1 PgUp; "
           "=value HScroll_N1 32; answer Nein; key HScroll_N1 End; =value HScroll_N1 900; "
           "key HScroll_N0 Home; =value HScroll_N0 -900; =value HScroll_N1 -900";
    QTest::newRow("typed N is clamped")
        << "type txt_N_Value0 -1000; =value HScroll_N0 -900; =value HScroll_N1 -900; =text "
           "txt_N_Value0 -900; answer Nein; type txt_N_Value1 1E400; =value HScroll_N1 900; "
           "=text txt_N_Value1 900; =messages 1";
    QTest::newRow("typed fraction becomes the offset")
        << "type txt_N_Value1 5.5; =value HScroll_N1 5; =text txt_N_Value1 5.5; =text Lab_N1 N "
           "bis 5.5; =text Lab_N_Offset N + .5; type txt_N_Value0 7; =text Lab_N_Offset ; "
           "=text Lab_N0 N von 7";
    QTest::newRow("fraction of a negative N counts upwards")
        << "type txt_N_Value0 -2.25; =value HScroll_N0 -3; =text txt_N_Value0 -2.25; =text "
           "Lab_N0 N von -2.25; =text Lab_N_Offset N + .75; =cell 0 3 -2,25";
    QTest::newRow("fraction with the bar in place still rebuilds")
        << "bar HScroll_N1 5; =rebuilds 1; type txt_N_Value1 5.678; =rebuilds 1; =value "
           "HScroll_N1 5; =text Lab_N_Offset N + .68";
    QTest::newRow("typed factor takes effect at the next rebuild")
        << "keys txt_Wunschfaktor0 2; =headers Element|Z|N|f in MHz|L in m|T in ns|A in m²|V "
           "in m³; bar HScroll_N1 34; =headers Element|Z|N|f in MHz|f * 2 in MHz|L in m|T in "
           "ns|A in m²|V in m³";
    QTest::newRow("a tick rebuilds once, highlighting nothing")
        << "untick 5; =rebuilds 1; =rows 117; click lv_Elemente; =rebuilds 0";
    QTest::newRow("fields, units, halves and rounding")
        << "check chk_Feldauswahl1 0; =rebuilds 1; pick Cb_Einheit1 km Kilo e+3; =rebuilds 1; "
           "check chk_Feldauswahl1 1; =rebuilds 1; check chk_A2 1; check chk_Feldauswahl3 0; "
           "=rebuilds 2; =headers Element|Z|N|f in MHz|L in km|T in ns|A / 2 in m²|V in m³; "
           "check chk_Runden 0; =rebuilds 1; =cell 0 5 2,08401262129971E-05";
    QTest::newRow("reference length")
        << "pick Combo_Cx Cp Protonen; =rebuilds 1; =text Lab_AusgabeCx Cp=1.3214098555E-15 m";
    // Each factor box holds the reciprocal of the other, rounded to 6 places; 0 and 1 are
    // no factor.
    const QString factor = "type txt_Wunschfaktor1 7; =rebuilds 1; type txt_Wunschfaktor";
    const QString boxes = "; =rebuilds 1; =text txt_Wunschfaktor0 %1; =text txt_Wunschfaktor1 %2";
    QTest::newRow("2 on f") << factor + "0 2" + boxes.arg("2", ".5");
    QTest::newRow("3 on L") << factor + "1 3" + boxes.arg(".333333", "3");
    QTest::newRow("6 places") << factor + "0 0.1234567" + boxes.arg(".123457", "8.099986");
    QTest::newRow("negative") << factor + "0 -4" + boxes.arg("-4", "-.25");
    QTest::newRow("1 is none") << factor + "0 1" + boxes.arg("", "");
}

void TableRows() {
    QTest::newRow("N 0")
        << kHydrogen +
               "; range 0 0; =headers Element|Z|N|f in Hz|L in m|T in s; =row 0 "
               "Wasserstoff|1|0|1,23569194306936E+20|2,42611E-12|8,09263187001189E-21; =text "
               "Lab_AnzGefundenerElemente 1 Element";
    QTest::newRow("N 33, rounded") << kHydrogen +
                                          "; check chk_Runden 1; range 33 33; =row 0 "
                                          "Wasserstoff|1|33|14385347523,137|0,0208|0";
    QTest::newRow("N 33, English")
        << "locale en; " + kHydrogen +
               "; range 33 33; =row 0 "
               "Wasserstoff|1|33|14385347523.137|0.0208401262129971|6.95151784405368E-11";
    QTest::newRow("reversed range") << kHydrogen + "; range 12 10; =order 1:12 1:11 1:10";
    QTest::newRow("typed fraction")
        << kHydrogen +
               "; range 0 2.5; =order 1:0,5 1:1,5 1:2,5; =text Lab_N_Offset N + .5; =text "
               "Lab_N0 N von .5; =text Lab_N1 N bis 2.5";
    QTest::newRow("factor columns")
        << kHydrogen +
               "; check chk_Feldauswahl0 0; type txt_Wunschfaktor0 2; =text txt_Wunschfaktor1 "
               ".5; =headers Element|Z|N|f * 2 in Hz|L in m|L * 0,5 in m|T in s; =cell 0 4 "
               "28770695046,2739";
    QTest::newRow("halves without A and V, units without names")
        << "only 1; check chk_Feldauswahl3 0; check chk_Feldauswahl4 0; check chk_A2 1; check "
           "chk_V2 1; check chk_V4 1; pick Cb_Einheit0 kHz Kilo e+3; pick Cb_Einheit2 Min.; "
           "pick Cb_Einheit4 Lichtjahre³; =headers Element|Z|N|f in kHz|L in m|T in Min.|A / 2 "
           "in m²|V / 2 in Lichtjahre³|V / 4 in Lichtjahre³; =row 0 "
           "Wasserstoff|1|33|14385347,5231|0,0208|0|0,0002|0|0";
    QTest::newRow("Überlauf cells") << "only 1; check chk_A2 1; range 551 551; =row 0 "
                                       "Wasserstoff|1|551|0|1,78829062079762E+154|5,"
                                       "96509542877698E+154|Überlauf|Überlauf|Überlauf";
    QTest::newRow("wavelength beyond the range")
        << WithReferenceLength("1E300") +
               "; type txt_Wunschfaktor0 2; =text Lab_AusgabeCx Cx=1E+300 m; =row 0 "
               "Wasserstoff|1|33|Überlauf|Überlauf|Überlauf|Überlauf|Überlauf|Überlauf|"
               "Überlauf; type txt_N_Value0 -900; =cell 0 6 1,18305218616677E+29";
    QTest::newRow("huge and tiny factors")
        << "only 1; check chk_Feldauswahl1 0; check chk_Feldauswahl2 0; check chk_Feldauswahl3 "
           "0; check chk_Feldauswahl4 0; type txt_Wunschfaktor0 1E300; =text txt_Wunschfaktor0 "
           "1E+300; =text txt_Wunschfaktor1 0; =headers Element|Z|N|f in MHz|f * 1E+300 in "
           "MHz; =cell 0 5 Überlauf; type txt_Wunschfaktor1 1E-300; =text txt_Wunschfaktor0 ; "
           "=headers Element|Z|N|f in MHz";
    QTest::newRow("division by zero, then a table again")
        << WithReferenceLength("1E-320") +
               "; =cell 0 4 Überlauf; =messages 0; answer OK; type txt_N_Value0 -900; =message "
               " Fehler !?|11 : Division durch Null; =visible lv_Ausgabe 0; =enabled "
               "ME_Speichern0 0; =text Lab_AnzGefundenerElemente ; type txt_N_Value0 33; "
               "=visible lv_Ausgabe 1; =rows 1";
    QTest::newRow("no element")
        << "click cmd_ElementeVisible0; =visible lv_Ausgabe 0; =rows 0; =visible "
           "cmd_AusgewählteInListeMarkieren 0; =enabled ME_Speichern1 0; =enabled "
           "ME_SpeichernUnter 0; =text Lab_AusgabeCx ; =messages 0; click "
           "cmd_ElementeVisible1; "
           "=visible cmd_AusgewählteInListeMarkieren 1; =enabled ME_SpeichernUnter 1";
    QTest::newRow("fractional N at the top")
        << "only 1; type txt_N_Value0 900.5; =text txt_N_Value0 900.5; =text Lab_N0 N von "
           "900.5; =cell 0 3 900,5";
    QTest::newRow("fractional N below the bottom")
        << "only 1; type txt_N_Value0 -900.5; =text txt_N_Value0 -899.5; =cell 0 3 -899,5";
    QTest::newRow("fraction rounding up to 1")
        << "only 1; type txt_N_Value0 -900.001; =text txt_N_Value0 -899; =cell 0 3 -899";
    // Copying puts the highlighted rows, as shown, on the clipboard (Down highlights the row
    // below the current one instead); a click on a header sorts by value ("Überlauf" after every
    // number either way, equal values in built order), the second reverses, a rebuild keeps the
    // sort, the third returns to the built order.
    QTest::newRow("copy two rows")
        << kTwoByTwo +
               "; =enabled ME_Kopieren 0; select 1 2; =enabled ME_Kopieren 1; key lv_Ausgabe "
               "Ctrl+C; =clipboard Element\tZ\tN\tL in "
               "m\nWasserstoff\t1\t34\t0,0417\nMolybdän\t42\t33\t0,8753\n; key lv_Ausgabe "
               "Down; key lv_Ausgabe Ctrl+C; =clipboard Element\tZ\tN\tL in "
               "m\nWasserstoff\t1\t34\t0,0417\n";
    QTest::newRow("copy of the whole first table")
        << QString("key lv_Ausgabe Ctrl+A; key lv_Ausgabe Ctrl+C; =copied 119");
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
    QTest::newRow("German names")
        << "only 20 27 55 58; range 0 0; header Element; =order 20:0 55:0 58:0 27:0; header "
           "Element; =order 27:0 58:0 55:0 20:0";
    QTest::newRow("copy and marking after a sort")
        << kTwoByTwo +
               "; header Element; =order 42:33 42:34 1:33 1:34; select 0; key lv_Ausgabe "
               "Ctrl+C; =clipboard Element\tZ\tN\tL in m\nMolybdän\t42\t33\t0,8753\n; click "
               "cmd_AusgewählteInListeMarkieren; =ticked 42; =order 42:33 42:34; =enabled "
               "cmd_AusgewählteInListeMarkieren 1";
    // Above 3600 rows the user is asked; "Ja" with "Nicht mehr fragen" ticked silences the
    // question for good, also after a restart; "Nein" builds nothing.
    const QString question = QStringLiteral(
        "=message  Achtung|Die Ausgabe würde 3602 Zeilen ergeben !\nDas könnte evtl. eine "
        "Weile dauern !\n\n<JA> Ich warte dann ...\n<NEIN> Ups , dann stelle ich N anders "
        "ein oder wähle weniger Elemnte .");
    QTest::newRow("3600 pass") << "untick 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18; range "
                                  "0 35; =rows 3600; =messages 0";
    QTest::newRow("3602 no, ticked")
        << QString("only 1 2; answer Nein tick; range -900 900; ") + (question) +
               "; =rows 0; =visible lv_Ausgabe 0; =enabled ME_Speichern0 0; =text "
               "Lab_AusgabeCx ; restart; answer Nein; range -900 900; =messages 2";
    QTest::newRow("3602 yes")
        << "only 1 2; answer Ja; range -900 900; =rows 3602; =enabled ME_Speichern0 1; answer "
           "Nein; type txt_N_Value1 900; =messages 2";
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
    QTest::newRow("every N from -900 to 900")
        << "only 1; range 5 7; click Chk_Suchmodus; type txt_Suchen1 3.2131713946101E-268; "
           "=order 1:-850";
    QTest::newRow("negative and text targets")
        << "click Chk_Suchmodus; type txt_Suchen1 -0.0208; =text txt_Suchen1 -.0208; =rows 0; "
           "=visible lv_Ausgabe 1; =text Lab_AnzGefundenerElemente 0 Elemente; =enabled "
           "cmd_AusgewählteInListeMarkieren 0; =enabled ME_Speichern0 0; type txt_Suchen1 abc; "
           "=text txt_Suchen1 ; =visible lv_Ausgabe 0; =messages 0";
    QTest::newRow("one search box at a time")
        << "click Chk_Suchmodus; type txt_Suchen0 1000; keys txt_Suchen3 5; =text txt_Suchen0 "
           "; =text txt_Suchen3 5";
    QTest::newRow("area in km²")
        << "check chk_Runden 0; pick Cb_Einheit3 km² Kilo e+3; click Chk_Suchmodus; click "
           "opt_Toleranz5; type txt_Suchen3 4.4E-10; =text Lab_AnzGefundenerElemente 30 "
           "Elemente; =cell 0 7 4,3431086057365E-10";
    QTest::newRow("volume in Lichtjahre³")
        << "only 79; check chk_Runden 0; pick Cb_Einheit4 Lichtjahre³; click Chk_Suchmodus; "
           "click opt_Toleranz5; type txt_Suchen4 1E-50; =order 79:30; =cell 0 8 "
           "1,02935733925324E-50";
    QTest::newRow("factor products")
        << "only 1; check chk_Runden 0; pick Cb_Einheit0 Hz; click Chk_Suchmodus; type "
           "txt_Suchen0 28770695046.274; =order 1:32; type txt_Wunschfaktor0 2; =order 1:32 "
           "1:33; type txt_Wunschfaktor1 4; =text txt_Wunschfaktor0 .25; =order 1:30 1:32";
    QTest::newRow("halves") << "only 1; check chk_V4 1; click Chk_Suchmodus; click "
                               "opt_Toleranz2; type txt_Suchen4 2.2E-06; =order 1:33";
    QTest::newRow("no row-count question")
        << "click Chk_Suchmodus; click opt_Toleranz0; type txt_Toleranz 50; type txt_Suchen1 "
           "1; =text Lab_AnzGefundenerElemente 118 Elemente; =messages 0";
    QTest::newRow("own tolerance rewritten in table mode too")
        << "store Fm_Main opt_Toleranz 0; store Fm_Main txt_Toleranz 12,5 Prozent; =text "
           "txt_Toleranz 12; =messages 0";
    QTest::newRow("marking keeps the elements of highlighted rows")
        << "only 1 2 3; range 30 32; =rows 9; select 2 3; click "
           "cmd_AusgewählteInListeMarkieren; =ticked 1 2; =rows 6; =enabled "
           "cmd_AusgewählteInListeMarkieren 1";
    // Marking disables the focused button and Qt passes the focus on along the tab chain
    // into the own-tolerance box; only a user entering that box chooses the own tolerance.
    QTest::newRow("marking keeps the tolerance, clicked")
        << "pick Cb_Einheit1 nm Nano e-9; click Chk_Suchmodus; type txt_Suchen1 589; click "
           "opt_Toleranz3; select 0 1; click cmd_AusgewählteInListeMarkieren; =checked "
           "opt_Toleranz3 1; click cmd_ElementeVisible1; =rows 38; restart; =checked "
           "opt_Toleranz3 1";
    QTest::newRow("marking keeps the tolerance, Space")
        << "pick Cb_Einheit1 nm Nano e-9; click Chk_Suchmodus; type txt_Suchen1 589; click "
           "opt_Toleranz3; select 0 1; key cmd_AusgewählteInListeMarkieren Space; =checked "
           "opt_Toleranz3 1; restart; =checked opt_Toleranz3 1";
    QTest::newRow("targets beyond the number range match nothing")
        << "check chk_A2 1; check chk_V2 1; check chk_V4 1; type txt_Wunschfaktor0 2; pick "
           "Cb_Einheit0 GHz Giga e+9; pick Cb_Einheit1 Parsec; pick Cb_Einheit2 Jahre; pick "
           "Cb_Einheit3 km² Kilo e+3; pick Cb_Einheit4 Lichtjahre³; click Chk_Suchmodus; type "
           "txt_Suchen0 1E300; =rows 0; type txt_Suchen1 1E300; =rows 0; type txt_Suchen2 "
           "1E302; =rows 0; type txt_Suchen3 1E306; =rows 0; type txt_Suchen4 1E300; =rows 0; "
           "=text Lab_AnzGefundenerElemente 0 Elemente";
    // Clicking into the own-value box chooses the own tolerance without a search; Enter
    // there searches and refuses values outside 0 < t <= 50.
    const QString own =
        "only 1; click Chk_Suchmodus; type txt_Suchen1 0.02; =rebuilds 4; click "
        "txt_Toleranz; =checked opt_Toleranz0 1; =rebuilds 0; ";
    const QString refused =
        "; =messages 1; =message  Meldung|Bei der Suche mit eigener "
        "Toleranz bitte einen Wert >0 und <=50 % eingeben .";
    QTest::newRow("own 50") << own + "type txt_Toleranz 50; =messages 0; =visible lv_Ausgabe 1";
    QTest::newRow("own 50.5") << own +
                                     "answer OK; type txt_Toleranz 50.5; =text txt_Toleranz 50.5" +
                                     refused;
    QTest::newRow("own 0") << own + "answer OK; type txt_Toleranz 0" + refused;
    QTest::newRow("own 7,5")
        << own + "type txt_Toleranz 7,5; =text txt_Toleranz 7; =visible lv_Ausgabe 1";
}

// The editor of the reference constants ("E/" names its controls).
void SettingsWindowRows() {
    const auto row = [](const char* name, QString steps) {
        QTest::newRow(name) << steps.replace("E/", "Fm_Einstellungen/");
    };
    row("shows the stored constants, Save disabled",
        "trigger ME_Einstellungen; =text E/Fm_Einstellungen  Einstellungen; =enabled "
        "E/cmd_Speichern 0; =text E/txt_Cx0 Ce; =text E/txt_Cx_Wert0 2.42611E-12; =text "
        "E/txt_Cx_Bezeichnung0 Elektronen; =text E/txt_Cx1 Cp; =text E/txt_Cx_Wert1 "
        "1.3214098555E-15; =text E/txt_Cx_Bezeichnung1 Protonen; =text E/txt_Cx2 Cn; =text "
        "E/txt_Cx_Wert2 1.3195909067E-15; =text E/txt_Cx_Bezeichnung2 Neutronen; =text "
        "E/txt_Cx3 Cx; =text E/txt_Cx_Wert3 57910000000; =text E/txt_Cx_Bezeichnung3 "
        "Merkurbahnradius; =text E/txt_Cx4 Cx; =text E/txt_Cx_Wert4 1; =text "
        "E/txt_Cx_Bezeichnung4 Freie Eingabe");
    // Saved without surrounding blanks; the main window reads the leading number.
    row("saving updates the main window at once",
        "pick Combo_Cx Cn Neutronen; trigger ME_Einstellungen; keys E/txt_Cx_Bezeichnung0 "
        "X; =enabled E/cmd_Speichern 1; type E/txt_Cx0   Ca  ; type E/txt_Cx_Wert0 2,5E-12; "
        "click E/cmd_Speichern; =enabled E/cmd_Speichern 0; =windows Fm_Einstellungen "
        "Fm_Main; =stored Fm_Main Cx0 Ca; =stored Fm_Main Cx_Wert0 2,5E-12; =stored Fm_Main "
        "Cx_Bezeichnung0 ElektronenX; =text Combo_Cx Ca ElektronenX; =text Lab_AusgabeCx "
        "Ca=2 m; =rows 118");
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

    // Only the user leaving an N box for another control empties it, not a message box that
    // takes the focus for a moment.
    void leavingAnNBoxEmptiesIt() {
        f_->desktop.takeFocus = true;
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

    // The model keeps Qt's contract through rebuilds, sorting and clearing, and gives nothing for
    // a row or column it does not have, also through an index kept from a larger table.
    void modelContract() {
        QVERIFY(f_->Run({"only 1 2", "range 0 2"}));
        auto& model = f_->Find<ResultTableView>("lv_Ausgabe")->Model();
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QModelIndex third = model.index(2, 4);
        QVERIFY(f_->Run({"header f in MHz", "range 0 1", "click cmd_ElementeVisible0", "only 2"}));
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!model.data(third).isValid());
        for (const auto& [row, column] : {std::pair{2, 1}, {-1, 1}, {0, 0}, {0, 9}}) {
            QCOMPARE(model.CellText(row, column), QString());
        }
    }
};

QTEST_MAIN(FmMainTest)
#include "fm_main_test.moc"
