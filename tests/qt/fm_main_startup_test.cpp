// Start-up and closing of the main window: what comes from and goes to the settings store.
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

namespace {

// "Z Z ..." for the elements from `first` to 118.
QString ElementsFrom(int first) {
    QStringList elements;
    for (int z = first; z <= 118; ++z) {
        elements << QString::number(z);
    }
    return elements.join(' ');
}

}  // namespace

class FmMainStartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void startAndClose_data() {
        QTest::addColumn<QString>("steps");
        QTest::newRow("first start stores the factory constants")
            << "=stored Fm_Main Cx0 Ce; =stored Fm_Main Cx_Wert0 2.42611E-12; =stored Fm_Main "
               "Cx_Bezeichnung0 Elektronen; =stored Fm_Main Cx1 Cp; =stored Fm_Main Cx_Wert1 "
               "1.3214098555E-15; =stored Fm_Main Cx_Bezeichnung1 Protonen; =stored Fm_Main Cx2 "
               "Cn; "
               "=stored Fm_Main Cx_Wert2 1.3195909067E-15; =stored Fm_Main Cx_Bezeichnung2 "
               "Neutronen; =stored Fm_Main Cx3 Cx; =stored Fm_Main Cx_Wert3 57910000000; =stored "
               "Fm_Main Cx_Bezeichnung3 Merkurbahnradius; =stored Fm_Main Cx4 Cx; =stored Fm_Main "
               "Cx_Wert4 1; =stored Fm_Main Cx_Bezeichnung4 Freie Eingabe; "
               "=stored Fm_Main Einstellungen Ja; =stored Fm_Einstellungen WindowState 0; "
               "=text Combo_Cx Ce Elektronen; pick Combo_Cx Cn Neutronen; pick Combo_Cx Cx "
               "Merkurbahnradius; pick Combo_Cx Cx Freie Eingabe; =text Lab_AusgabeCx Cx=1 m";
        QTest::newRow("first start shows the design defaults")
            << QString("=rows 118; ") + ("=ticked " + ElementsFrom(1)) +
                   "; =text Cb_Einheit0 MHz Mega e+6; =text Cb_Einheit1 m; =text Cb_Einheit2 ns "
                   "Nano e-9; =text Cb_Einheit3 m²; =text Cb_Einheit4 m³; =checked "
                   "chk_Feldauswahl2 1; =checked chk_Runden 1; =checked chk_A2 0; =checked chk_V2 "
                   "0; =checked chk_V4 0; =checked opt_Toleranz1 1; =text txt_Toleranz 0.3; =value "
                   "HScroll_N0 33; =value HScroll_N1 33; =checked Chk_Suchmodus 0; =enabled "
                   "txt_Suchen0 0; =visible Fr_N 1; =visible lv_Ausgabe 1; =text "
                   "Lab_AnzGefundenerElemente 118 Elemente; =text Lab_AusgabeCx Ce=2.42611E-12 m; "
                   "=text Lab_N0 N von 33; =text Lab_N1 N bis 33; =text Lab_N_Offset ; =headers "
                   "Element|Z|N|f in MHz|L in m|T in ns|A in m²|V in m³; =row 0 "
                   "Wasserstoff|1|33|14385,3475|0,0208|0,0695|0,0004|0; =row 25 "
                   "Eisen|26|33|553,2826|0,5418|1,8074|0,2936|0,1591; =enabled ME_Speichern0 1; "
                   "=enabled ME_Speichern1 1; =enabled ME_Auswerten 0; =enabled "
                   "cmd_AusgewählteInListeMarkieren 1; =text Fm_Main  Kolvenar - Zuzovudezivudizer "
                   ", Version 1.0.0";
        QTest::newRow("marker other than Nein reads the store directly")
            << "store Fm_Main Einstellungen nein; =text Combo_Cx -- ---; =text Lab_AusgabeCx --=1 "
               "m; =stored Fm_Main Cx0 <missing>";
        QTest::newRow("stored value with trailing letters")
            << "store Fm_Main Einstellungen Ja; store Fm_Main Cx0 Ce; store Fm_Main Cx_Wert0 "
               "2.5E-3xyz; =text Lab_AusgabeCx Ce=.0025 m";
        QTest::newRow("stored value with a decimal comma")
            << "store Fm_Main Einstellungen Ja; store Fm_Main Cx0 Ce; store Fm_Main Cx_Wert0 "
               "2,5E-12; =text Lab_AusgabeCx Ce=2 m";
        QTest::newRow("stored value 0") << "store Fm_Main Einstellungen Ja; store Fm_Main Cx0 Ce; "
                                           "store Fm_Main Cx_Wert0 0; =text Lab_AusgabeCx Ce=1 m";
        QTest::newRow("stored reference choice")
            << "store Fm_Main Combo_Cx 3; =text Lab_AusgabeCx Cx=57910000000 m";
        QTest::newRow("every stored control comes back")
            << QString(
                   "pick Cb_Einheit0 kHz Kilo e+3; pick Cb_Einheit4 Parsec³; check chk_Runden 0; "
                   "check chk_A2 1; check chk_V4 1; check chk_Feldauswahl2 0; click Chk_Suchmodus; "
                   "click opt_Toleranz4; keys txt_Toleranz 7,5 kein Wert; click Chk_Suchmodus; "
                   "pick Combo_Cx Cn Neutronen; untick 1 2; range 5.5 8; restart; =stored "
                   "ElementVisible Z1 0; =stored ElementVisible Z2 0; =stored ElementVisible Z3 1; "
                   "=stored ElementVisible Z118 1; =stored Fm_Main Cb_Einheit0 3; =stored Fm_Main "
                   "chk_V2 0; =stored Fm_Main opt_Toleranz 4; =stored Fm_Main WindowState 0; =text "
                   "Cb_Einheit0 kHz Kilo e+3; =text Cb_Einheit4 Parsec³; =checked chk_Runden 0; "
                   "=checked chk_A2 1; =checked chk_V2 0; =checked chk_V4 1; =checked "
                   "chk_Feldauswahl2 0; =checked opt_Toleranz4 1; =text txt_Toleranz 0.37,5 kein "
                   "Wert; =text Combo_Cx Cn Neutronen; ") +
                   ("=ticked " + ElementsFrom(3)) +
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
        QVERIFY(f_->Run(steps));
    }
};

QTEST_MAIN(FmMainStartupTest)
#include "fm_main_startup_test.moc"
