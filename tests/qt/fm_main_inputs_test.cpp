// The inputs of the main window: N bars and boxes, factor boxes, element list, field
// selection; each rebuilds the table exactly as often as it should.
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;
using testing::TypeAndEnter;

class FmMainInputsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    QScrollBar* Bar(int i) { return f_->Find<QScrollBar>("HScroll_N" + QString::number(i)); }
    QLineEdit* NBox(int i) { return f_->Find<QLineEdit>("txt_N_Value" + QString::number(i)); }
    QLineEdit* Factor(int i) {
        return f_->Find<QLineEdit>("txt_Wunschfaktor" + QString::number(i));
    }
    int Rebuilds() { return f_->TakeRebuilds(); }

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
        Rebuilds();
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void movingNVonCollapsesTheRange() {
        Bar(1)->setValue(20);
        QCOMPARE(Rebuilds(), 1);
        Bar(0)->setValue(10);
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(Bar(1)->value(), 10);
        QCOMPARE(f_->Caption("Lab_N1"), QString("N bis 10"));
        QCOMPARE(f_->Rows(), 118);
        QCOMPARE(f_->Cell(0, 3), QString("10"));
    }

    void arrowAndTrackSteps() {
        QCOMPARE(Bar(1)->singleStep(), 1);
        QCOMPARE(Bar(1)->pageStep(), 10);
        QCOMPARE(Bar(0)->minimum(), -900);
        QCOMPARE(Bar(0)->maximum(), 900);
        Bar(1)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Bar(1)->value(), 43);
        QCOMPARE(f_->Caption("Lab_N1"), QString("N bis 43"));
    }

    void typedNOutsideTheRangeIsClamped() {
        TypeAndEnter(NBox(0), "-1000");
        QCOMPARE(Bar(0)->value(), -900);
        QCOMPARE(Bar(1)->value(), -900);
        QCOMPARE(NBox(0)->text(), QString("-900"));
        f_->desktop.Answer(MessageAnswer::No);  // 901 N for 118 elements is many rows
        TypeAndEnter(NBox(1), "1E400");         // beyond the double range: the largest number
        QCOMPARE(Bar(1)->value(), 900);
        QCOMPARE(NBox(1)->text(), QString("900"));
        QCOMPARE(f_->desktop.messages.size(), 1);
    }

    void typedFractionBecomesTheOffset() {
        TypeAndEnter(NBox(1), "5.5");
        QCOMPARE(Bar(1)->value(), 5);
        QCOMPARE(NBox(1)->text(), QString("5.5"));
        QCOMPARE(f_->Caption("Lab_N1"), QString("N bis 5.5"));
        QCOMPARE(f_->Caption("Lab_N_Offset"), QString("N + .5"));
        QCOMPARE(f_->Window().State().N_Offset, 0.5);

        TypeAndEnter(NBox(0), "7");
        QCOMPARE(f_->Window().State().N_Offset, 0.0);
        QCOMPARE(f_->Caption("Lab_N_Offset"), QString());
    }

    void fractionOfANegativeNCountsUpwards() {
        TypeAndEnter(NBox(0), "-2.25");
        QCOMPARE(f_->Window().State().N_Offset, 0.75);
        QCOMPARE(Bar(0)->value(), -3);
        QCOMPARE(NBox(0)->text(), QString("-2.25"));
        QCOMPARE(f_->Caption("Lab_N0"), QString("N von -2.25"));
        QCOMPARE(f_->Cell(0, 3), QString("-2,25"));
    }

    void fractionWithTheBarAlreadyInPlaceStillRebuilds() {
        Bar(1)->setValue(5);
        Rebuilds();
        TypeAndEnter(NBox(1), "5.678");
        QCOMPARE(f_->Window().State().N_Offset, 0.68);
        QCOMPARE(Bar(1)->value(), 5);
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(f_->Caption("Lab_N_Offset"), QString("N + .68"));
    }

    void commaEndsTheTypedNumber() {
        TypeAndEnter(NBox(0), "5,5");
        QCOMPARE(Bar(0)->value(), 5);
        QCOMPARE(f_->Window().State().N_Offset, 0.0);
    }

    void keysOtherThanEnterOnlyChangeTheText() {
        QTest::keyClicks(NBox(0), "12");
        QTest::keyClicks(Factor(0), "3");
        QCOMPARE(Rebuilds(), 0);
        QCOMPARE(Bar(0)->value(), 33);
        QCOMPARE(NBox(0)->text(), QString("12"));
    }

    // Only the user leaving a box for another control empties it, not a message box that takes
    // the focus for a moment.
    void leavingAnNBoxEmptiesIt() {
        f_->Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f_->Window()));
        NBox(1)->setFocus();
        f_->desktop.takeFocus = true;
        f_->desktop.Answer(MessageAnswer::No);
        TypeAndEnter(NBox(1), "900");  // 868 N for 118 elements: the row-count question
        QCOMPARE(f_->desktop.messages.size(), 1);
        QVERIFY(f_->desktop.focusTaken);
        QCOMPARE(NBox(1)->text(), QString("900"));
        f_->Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f_->Window()));
        NBox(1)->setFocus();
        QTest::keyClick(NBox(1), Qt::Key_Tab);
        QCOMPARE(NBox(1)->text(), QString());
        QCOMPARE(Bar(0)->value(), 33);
    }

    void factorBoxesHoldReciprocals_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("other");
        QTest::newRow("2 on f") << 0 << "2"
                                << "2"
                                << ".5";
        QTest::newRow("3 on L") << 1 << "3"
                                << "3"
                                << ".333333";
        QTest::newRow("rounded to 6 places") << 0 << "0.1234567"
                                             << ".123457"
                                             << "8.099986";
        QTest::newRow("1 is no factor") << 0 << "1"
                                        << ""
                                        << "";
        QTest::newRow("0 is no factor") << 1 << "0"
                                        << ""
                                        << "";
        QTest::newRow("text is no factor") << 0 << "abc"
                                           << ""
                                           << "";
        QTest::newRow("negative") << 0 << "-4"
                                  << "-4"
                                  << "-.25";
    }

    void factorBoxesHoldReciprocals() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, other);
        TypeAndEnter(Factor(1 - box), "7");
        Rebuilds();
        TypeAndEnter(Factor(box), typed);
        QCOMPARE(Factor(box)->text(), shown);
        QCOMPARE(Factor(1 - box)->text(), other);
        QCOMPARE(Rebuilds(), 1);
    }

    void typedFactorWithoutEnterTakesEffectAtTheNextRebuild() {
        QTest::keyClicks(Factor(0), "2");
        QVERIFY(!f_->Headers().contains("f * 2 in MHz"));
        Bar(1)->setValue(34);
        QVERIFY(f_->Headers().contains("f * 2 in MHz"));
    }

    void everyTickChangeRebuildsOnce() {
        f_->ElementList()->topLevelItem(4)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(f_->Rows(), 117);
        // Highlighting a row without changing its tick does nothing.
        f_->ElementList()->setCurrentItem(f_->ElementList()->topLevelItem(7));
        QCOMPARE(Rebuilds(), 0);
    }

    void alleAndKeineRebuildOnceEach() {
        QTest::mouseClick(f_->Find<QPushButton>("cmd_ElementeVisible1"), Qt::LeftButton);
        QCOMPARE(Rebuilds(), 1);  // nothing changed, still one rebuild
        QTest::mouseClick(f_->Find<QPushButton>("cmd_ElementeVisible0"), Qt::LeftButton);
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(f_->Rows(), 0);
        QTest::mouseClick(f_->Find<QPushButton>("cmd_ElementeVisible0"), Qt::LeftButton);
        QCOMPARE(Rebuilds(), 1);
        QTest::mouseClick(f_->Find<QPushButton>("cmd_ElementeVisible1"), Qt::LeftButton);
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(f_->Rows(), 118);
        QCOMPARE(f_->ElementList()->topLevelItem(117)->checkState(0), Qt::Checked);
    }

    void fieldAndUnitControlsRebuild() {
        f_->SetChecked("chk_Feldauswahl1", false);
        QCOMPARE(Rebuilds(), 1);
        QVERIFY(!f_->Headers().contains("L in m"));
        // A unit of a quantity that is not shown still rebuilds.
        f_->SelectUnit(1, "km Kilo e+3");
        QCOMPARE(Rebuilds(), 1);
        f_->SetChecked("chk_Feldauswahl1", true);
        QCOMPARE(Rebuilds(), 1);
        QVERIFY(f_->Headers().contains("L in km"));
        f_->SetChecked("chk_A2", true);
        f_->SetChecked("chk_Feldauswahl3", false);
        QCOMPARE(Rebuilds(), 2);
        QVERIFY(f_->Headers().contains("A / 2 in m²"));
        QVERIFY(!f_->Headers().contains("A in m²"));
        f_->SetChecked("chk_Runden", false);
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(f_->Cell(0, 5), QString("2,08401262129971E-05"));
    }

    void referenceLengthChoiceRebuilds() {
        f_->Find<QComboBox>("Combo_Cx")->setCurrentIndex(1);
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Cp=1.3214098555E-15 m"));
    }
};

QTEST_MAIN(FmMainInputsTest)
#include "fm_main_inputs_test.moc"
