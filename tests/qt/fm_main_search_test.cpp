// Search mode: the search controls, the rows a search finds, and carrying highlighted rows
// back into the element list.
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainSearchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void search_data() {
        QTest::addColumn<QString>("steps");
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
        QTest::newRow("exact value, 1 %")
            << "only 26; click Chk_Suchmodus; type txt_Suchen1 .541843281537925; =order 26:33";
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
        QTest::newRow("normal form and comma")
            << "only 1; click Chk_Suchmodus; type txt_Suchen2 2.5E-3; =text txt_Suchen2 .0025; "
               "type txt_Suchen2 1,5; =text txt_Suchen2 1";
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
        QTest::newRow("Enter in the own tolerance searches")
            << "click Chk_Suchmodus; =rebuilds 1; type txt_Toleranz 5; =rebuilds 1";
        QTest::newRow("own tolerance rewritten in table mode too")
            << "store Fm_Main opt_Toleranz 0; store Fm_Main txt_Toleranz 12,5 Prozent; =text "
               "txt_Toleranz 12; =messages 0";
        QTest::newRow("marking without highlighted rows")
            << "click cmd_AusgewählteInListeMarkieren; =ticked ; =rows 0";
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
        QTest::newRow("own 50.5")
            << own + "answer OK; type txt_Toleranz 50.5; =text txt_Toleranz 50.5" + refused;
        QTest::newRow("own 0") << own + "answer OK; type txt_Toleranz 0" + refused;
        QTest::newRow("own text") << own +
                                         "answer OK; type txt_Toleranz viel; =text txt_Toleranz 0" +
                                         refused;
        QTest::newRow("own 7,5")
            << own + "type txt_Toleranz 7,5; =text txt_Toleranz 7; =visible lv_Ausgabe 1";
        QTest::newRow("own 0.3") << own +
                                        "type txt_Toleranz 0.3; =text txt_Toleranz .3; =messages 0";
    }

    void search() {
        QFETCH(QString, steps);
        QVERIFY(f_->Run(steps));
    }
};

QTEST_MAIN(FmMainSearchTest)
#include "fm_main_search_test.moc"
