// The inputs of the main window: N bars and boxes, factor boxes, element list, field selection,
// units and reference length; each rebuilds the table exactly as often as it should.
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainInputsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void inputs_data() {
        QTest::addColumn<QString>("steps");
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
        QTest::newRow("comma ends the typed number")
            << "type txt_N_Value0 5,5; =value HScroll_N0 5; =text Lab_N_Offset ";
        QTest::newRow("keys other than Enter only change the text")
            << "keys txt_N_Value0 12; keys txt_Wunschfaktor0 3; =rebuilds 0; =value HScroll_N0 33; "
               "=text txt_N_Value0 12";
        QTest::newRow("typed factor takes effect at the next rebuild")
            << "keys txt_Wunschfaktor0 2; =headers Element|Z|N|f in MHz|L in m|T in ns|A in m²|V "
               "in m³; bar HScroll_N1 34; =headers Element|Z|N|f in MHz|f * 2 in MHz|L in m|T in "
               "ns|A in m²|V in m³";
        QTest::newRow("a tick rebuilds once, highlighting nothing")
            << "untick 5; =rebuilds 1; =rows 117; click lv_Elemente; =rebuilds 0";
        QTest::newRow("Alle and Keine rebuild once each")
            << "click cmd_ElementeVisible1; =rebuilds 1; click cmd_ElementeVisible0; =rebuilds 1; "
               "=rows 0; click cmd_ElementeVisible0; =rebuilds 1; click cmd_ElementeVisible1; "
               "=rebuilds 1; =rows 118";
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
        const QString boxes =
            "; =rebuilds 1; =text txt_Wunschfaktor0 %1; =text txt_Wunschfaktor1 %2";
        QTest::newRow("2 on f") << factor + "0 2" + boxes.arg("2", ".5");
        QTest::newRow("3 on L") << factor + "1 3" + boxes.arg(".333333", "3");
        QTest::newRow("6 places") << factor + "0 0.1234567" + boxes.arg(".123457", "8.099986");
        QTest::newRow("negative") << factor + "0 -4" + boxes.arg("-4", "-.25");
        QTest::newRow("1 is none") << factor + "0 1" + boxes.arg("", "");
        QTest::newRow("0 is none") << factor + "1 0" + boxes.arg("", "");
        QTest::newRow("text is none") << factor + "0 abc" + boxes.arg("", "");
    }

    void inputs() {
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
};

QTEST_MAIN(FmMainInputsTest)
#include "fm_main_inputs_test.moc"
