// Start-up and closing of the main window: what comes from and goes to the settings store.
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainStartupTest : public QObject {
    Q_OBJECT

private slots:
    void startAndClose_data() {
        QTest::addColumn<QString>("steps");
        QString ticked = "=ticked";
        for (int z = 1; z <= 118; ++z) {
            ticked += ' ' + QString::number(z);
        }
        // The defaults damaged settings fall back to (the units, rounding, the tolerance, the
        // squares and cubes, the reference length) are checked in damaged_settings_test.
        QTest::newRow("first start: the factory constants stored, the design defaults shown")
            << "=stored Fm_Main Cx0 Ce; =stored Fm_Main Cx_Bezeichnung0 Elektronen; =stored "
               "Fm_Main Cx1 Cp; =stored Fm_Main Cx_Wert1 1.3214098555E-15; =stored Fm_Main "
               "Cx_Bezeichnung1 Protonen; =stored Fm_Main Cx2 Cn; =stored Fm_Main Cx_Wert2 "
               "1.3195909067E-15; =stored Fm_Main Cx_Bezeichnung2 Neutronen; =stored Fm_Main Cx3 "
               "Cx; =stored Fm_Main Cx_Wert3 57910000000; =stored Fm_Main Cx_Bezeichnung3 "
               "Merkurbahnradius; =stored Fm_Main Cx4 Cx; =stored Fm_Main Cx_Wert4 1; =stored "
               "Fm_Main Cx_Bezeichnung4 Freie Eingabe; =stored Fm_Einstellungen WindowState 0; " +
                   ticked +
                   "; =checked chk_Feldauswahl2 1; =checked chk_A2 0; =checked chk_V2 0; =text "
                   "txt_Toleranz 0.3; =value HScroll_N0 33; =value HScroll_N1 33; =checked "
                   "Chk_Suchmodus 0; =enabled txt_Suchen0 0; =visible Fr_N 1; =visible lv_Ausgabe "
                   "1; =text Lab_AnzGefundenerElemente 118 Elemente; =text Lab_N0 N von 33; =text "
                   "Lab_N1 N bis 33; =text Lab_N_Offset ; =headers Element|Z|N|f in MHz|L in m|T "
                   "in ns|A in m²|V in m³; =row 0 Wasserstoff|1|33|14385,3475|0,0208|0,0695|0,0004|"
                   "0; =row 25 Eisen|26|33|553,2826|0,5418|1,8074|0,2936|0,1591; =enabled "
                   "ME_Speichern0 1; =enabled ME_Speichern1 1; =enabled ME_Auswerten 0; =enabled "
                   "cmd_AusgewählteInListeMarkieren 1; =text Fm_Main  Kolvenar - Zuzovudezivudizer "
                   ", Version 1.0.0; =text Combo_Cx Ce Elektronen; pick Combo_Cx Cn Neutronen; "
                   "pick Combo_Cx Cx Merkurbahnradius; pick Combo_Cx Cx Freie Eingabe; =text "
                   "Lab_AusgabeCx Cx=1 m";
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
        for (const char* path :
             {"trigger ME_Beenden", "key Fm_Main Ctrl+Q", "key lv_Ausgabe Escape",
              "key Cb_Einheit2 Escape", "key txt_Wunschfaktor0 Escape", "key lv_Elemente Escape",
              "key HScroll_N1 Escape"}) {
            QTest::newRow(path) << QString("pick Cb_Einheit1 km Kilo e+3; ") + (path) +
                                       "; =windows ; =stored Fm_Main Cb_Einheit1 6";
        }
    }

    void startAndClose() {
        QFETCH(QString, steps);
        MainWindowFixture f;
        QVERIFY(f.Run(steps));
        f.ExpectNoStrayDialogs();
    }
};

QTEST_MAIN(FmMainStartupTest)
#include "fm_main_startup_test.moc"
