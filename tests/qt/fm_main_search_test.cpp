// Search mode: the search controls, the rows a search finds, and carrying highlighted rows
// back into the element list.
#include <QItemSelectionModel>
#include <QTest>

#include <cmath>

#include "core/number_text.h"
#include "core/resonance.h"
#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;
using testing::TypeAndEnter;

class FmMainSearchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    QLineEdit* Search(int i) { return f_->Find<QLineEdit>("txt_Suchen" + QString::number(i)); }
    QRadioButton* Option(int i) {
        return f_->Find<QRadioButton>("opt_Toleranz" + QString::number(i));
    }
    QLineEdit* OwnTolerance() { return f_->Find<QLineEdit>("txt_Toleranz"); }
    int Rebuilds() { return f_->TakeRebuilds(); }
    void SearchModeOn() {
        f_->SetChecked("Chk_Suchmodus", true);
        Rebuilds();
    }
    QStringList NColumn() {
        QStringList ns;
        for (int row = 0; row < f_->Rows(); ++row) {
            ns << f_->Cell(row, 2) + ":" + f_->Cell(row, 3);
        }
        return ns;
    }
    // The shown value of `header` in `row`, read back as a number.
    double ShownValue(int row, const QString& header) {
        const int column = static_cast<int>(f_->Headers().indexOf(header));
        if (column < 0) {
            QTest::qFail(qPrintable("no column " + header), __FILE__, __LINE__);
        }
        return QLocale().toDouble(f_->Cell(row, column));
    }

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

    void switchingSearchOnClearsTheTableAndEnablesTheInputs() {
        f_->SetChecked("Chk_Suchmodus", true);
        QVERIFY(!f_->Find<QGroupBox>("Fr_N")->isVisible());
        for (int i = 0; i < 5; ++i) {
            QVERIFY(Search(i)->isEnabled());
        }
        QVERIFY(Option(3)->isEnabled());
        QVERIFY(OwnTolerance()->isEnabled());
        QVERIFY(!f_->Table()->isVisible());
        QCOMPARE(f_->Rows(), 0);
        QVERIFY(!f_->Find<QAction>("ME_Speichern0")->isEnabled());

        f_->SetChecked("Chk_Suchmodus", false);
        QVERIFY(f_->Find<QGroupBox>("Fr_N")->isVisible());
        QVERIFY(!Search(0)->isEnabled());
        QCOMPARE(f_->Rows(), 118);
    }

    void wavelengthSearchFindsNThirtyThree() {
        f_->ChooseOnly({1});
        SearchModeOn();
        QTest::mouseClick(Option(3), Qt::LeftButton);  // "10 %"
        QCOMPARE(Rebuilds(), 0);                       // nothing to search for yet
        QVERIFY(Option(3)->isChecked());
        TypeAndEnter(Search(1), "0.0208");
        QCOMPARE(Rebuilds(), 1);
        QCOMPARE(NColumn(), QStringList{"1:33"});
        QCOMPARE(f_->Caption("Lab_AnzGefundenerElemente"), QString("1 Element"));
        QVERIFY(f_->Table()->isVisible());
        QVERIFY(f_->Find<QAction>("ME_Speichern1")->isEnabled());
        QVERIFY(f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren")->isEnabled());
    }

    void exactValueWithTheSmallestTolerance() {
        f_->ChooseOnly({26});
        SearchModeOn();
        // L of iron at N = 33 exactly, with "1 %": only that row.
        const double L = (std::exp2(33.0) * 2.42611E-12) * 26;
        TypeAndEnter(Search(1), QString::fromStdString(NumText(L)));
        QCOMPARE(NColumn(), QStringList{"26:33"});
    }

    void searchRangeIsMinusNineHundredToNineHundredWhateverTheBarsSay() {
        f_->ChooseOnly({1});
        f_->SetRange("5", "7");
        SearchModeOn();
        const double L = std::exp2(-850.0) * 2.42611E-12;
        TypeAndEnter(Search(1), QString::fromStdString(NumText(L)));
        QCOMPARE(NColumn(), QStringList{"1:-850"});
    }

    void negativeOrTextTargetsFindNothing() {
        SearchModeOn();
        TypeAndEnter(Search(1), "-0.0208");
        QCOMPARE(Search(1)->text(), QString("-.0208"));
        QCOMPARE(f_->Rows(), 0);
        QVERIFY(f_->Table()->isVisible());
        QCOMPARE(f_->Caption("Lab_AnzGefundenerElemente"), QString("0 Elemente"));
        QVERIFY(!f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren")->isEnabled());
        QVERIFY(!f_->Find<QAction>("ME_Speichern0")->isEnabled());

        // A text without a leading number is no search value: the box empties, the table
        // stays hidden and the frequency box gets the focus.
        f_->Window().activateWindow();
        TypeAndEnter(Search(1), "abc");
        QCOMPARE(Search(1)->text(), QString());
        QVERIFY(!f_->Table()->isVisible());
        QVERIFY(f_->desktop.messages.isEmpty());
    }

    void typingIntoOneSearchBoxEmptiesTheOthers() {
        SearchModeOn();
        TypeAndEnter(Search(0), "1000");
        QTest::keyClicks(Search(3), "5");
        QCOMPARE(Search(0)->text(), QString());
        QCOMPARE(Search(3)->text(), QString("5"));
    }

    void enterWritesTheNumberInItsNormalForm() {
        f_->ChooseOnly({1});
        SearchModeOn();
        TypeAndEnter(Search(2), "2.5E-3");
        QCOMPARE(Search(2)->text(), QString(".0025"));
        TypeAndEnter(Search(2), "1,5");  // a comma ends the number
        QCOMPARE(Search(2)->text(), QString("1"));
    }

    void ownTolerance_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rewritten");
        QTest::addColumn<bool>("refused");
        QTest::newRow("50 is allowed") << "50"
                                       << "50" << false;
        QTest::newRow("50.5 is too much") << "50.5"
                                          << "50.5" << true;
        QTest::newRow("0 is too little") << "0"
                                         << "0" << true;
        QTest::newRow("text is 0") << "viel"
                                   << "0" << true;
        QTest::newRow("comma ends the number") << "7,5"
                                               << "7" << false;
        QTest::newRow("default text") << "0.3"
                                      << ".3" << false;
    }

    void ownTolerance() {
        QFETCH(QString, typed);
        QFETCH(QString, rewritten);
        QFETCH(bool, refused);
        f_->ChooseOnly({1});
        SearchModeOn();
        TypeAndEnter(Search(1), "0.02");
        Rebuilds();
        f_->Window().activateWindow();
        QTest::mouseClick(OwnTolerance(), Qt::LeftButton);
        QVERIFY(Option(0)->isChecked());  // entering the box chooses the own value
        QCOMPARE(Rebuilds(), 0);          // ... without searching
        if (refused) {
            f_->desktop.Answer(MessageAnswer::Ok);
        }
        f_->desktop.messages.clear();
        TypeAndEnter(OwnTolerance(), typed);
        QCOMPARE(OwnTolerance()->text(), rewritten);
        QCOMPARE(f_->desktop.messages.size(), refused ? 1 : 0);
        if (refused) {
            const auto& message = f_->desktop.messages.first();
            QCOMPARE(message.title, QString(" Meldung"));
            QCOMPARE(message.text, QString("Bei der Suche mit eigener Toleranz bitte einen Wert "
                                           ">0 und <=50 % eingeben ."));
            QCOMPARE(message.icon, MessageIcon::Information);
            QVERIFY(!f_->Table()->isVisible());
        } else {
            QVERIFY(f_->Table()->isVisible());
        }
    }

    void ownToleranceTextIsRewrittenInTableModeToo() {
        Option(0)->setChecked(true);
        OwnTolerance()->setText("12,5 Prozent");
        f_->Find<QScrollBar>("HScroll_N1")->setValue(34);
        QCOMPARE(OwnTolerance()->text(), QString("12"));
        QVERIFY(f_->desktop.messages.isEmpty());
    }

    void areaAndVolumeSearchesInTheirUnits_data() {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("header");
        QTest::newRow("km²") << 3 << "km² Kilo e+3"
                             << "4.4E-10"
                             << "A in km²";
        QTest::newRow("pm²") << 3 << "pm² Pico e-12"
                             << "1.8E+21"
                             << "A in pm²";
        QTest::newRow("AE²") << 3 << "AE²"
                             << "2E-26"
                             << "A in AE²";
        QTest::newRow("cm³") << 4 << "cm³ Milliliter e-2"
                             << "9.1"
                             << "V in cm³";
        QTest::newRow("Lichtjahre³") << 4 << "Lichtjahre³"
                                     << "1E-50"
                                     << "V in Lichtjahre³";
    }

    void areaAndVolumeSearchesInTheirUnits() {
        QFETCH(int, quantity);
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        QFETCH(QString, header);
        f_->SetChecked("chk_Runden", false);
        f_->SelectUnit(quantity, unit);
        SearchModeOn();
        QTest::mouseClick(Option(5), Qt::LeftButton);
        TypeAndEnter(Search(quantity), typed);
        QVERIFY2(f_->Rows() > 0, qPrintable(unit));
        const double target = typed.toDouble();
        for (int row = 0; row < f_->Rows(); ++row) {
            const double shown = ShownValue(row, header);
            QVERIFY2(std::fabs(shown - target) <= 0.2 * target * (1 + 1e-12),
                     qPrintable(f_->Row(row).join(' ')));
        }
    }

    void factorProductsAreSearchedToo() {
        f_->ChooseOnly({1});
        f_->SetChecked("chk_Runden", false);
        f_->SelectUnit(0, "Hz");
        SearchModeOn();
        TypeAndEnter(Search(0), "28770695046.274");  // twice f at N = 33
        QCOMPARE(NColumn(), QStringList{"1:32"});    // f itself at N = 32
        TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor0"), "2");
        QCOMPARE(NColumn(), (QStringList{"1:32", "1:33"}));

        // A factor of .25 on f finds the N whose f is four times the target; the L factor is
        // tried against the empty wavelength target and finds nothing.
        TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor1"), "4");
        QCOMPARE(f_->Find<QLineEdit>("txt_Wunschfaktor0")->text(), QString(".25"));
        QCOMPARE(NColumn(), (QStringList{"1:30", "1:32"}));
    }

    void noRowCountQuestionInSearchMode() {
        SearchModeOn();
        Option(0)->setChecked(true);
        OwnTolerance()->setText("50");  // wide enough for a row of every element
        TypeAndEnter(Search(1), "1");
        QVERIFY(f_->Rows() > 118);
        QCOMPARE(f_->Caption("Lab_AnzGefundenerElemente"), QString("118 Elemente"));
        QVERIFY(f_->desktop.messages.isEmpty());
    }

    // Marking disables the focused button, and Qt passes the focus along the tab chain into the
    // own-tolerance box; only a user entering that box chooses the own tolerance.
    void markingKeepsTheTolerance_data() {
        QTest::addColumn<bool>("bySpace");
        QTest::newRow("mouse click") << false;
        QTest::newRow("space on the focused button") << true;
    }

    void markingKeepsTheTolerance() {
        QFETCH(bool, bySpace);
        f_->SelectUnit(1, "nm Nano e-9");
        SearchModeOn();
        TypeAndEnter(Search(1), "589");
        QTest::mouseClick(Option(3), Qt::LeftButton);  // "10 %"
        QVERIFY(f_->Rows() >= 2);
        QItemSelectionModel* selection = f_->Table()->selectionModel();
        for (int row : {0, 1}) {
            selection->select(f_->TableModel()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        auto* mark = f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren");
        f_->Window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f_->Window()));
        if (bySpace) {
            mark->setFocus(Qt::TabFocusReason);
            QTest::keyClick(mark, Qt::Key_Space);
        } else {
            QTest::mouseClick(mark, Qt::LeftButton);
        }
        QVERIFY(Option(3)->isChecked());
        const int rows = f_->Rows();
        QTest::mouseClick(f_->Find<QPushButton>("cmd_ElementeVisible1"), Qt::LeftButton);
        QVERIFY(f_->Rows() >= rows);  // searched again with 10 %, now over every element
        f_->CloseWindow();
        QCOMPARE(SettingsStore().Read("Fm_Main", "opt_Toleranz", ""), QString("3"));
    }

    // Converted into its base unit the target leaves the double range: every finite value would
    // lie within its tolerance, so it must match nothing, with the factor and half tests too.
    void targetsBeyondTheNumberRangeMatchNothing_data() {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::newRow("f in GHz") << 0 << "GHz Giga e+9"
                                  << "1E300";
        QTest::newRow("L in Parsec") << 1 << "Parsec"
                                     << "1E300";
        QTest::newRow("T in Jahre") << 2 << "Jahre"
                                    << "1E302";
        QTest::newRow("A in km²") << 3 << "km² Kilo e+3"
                                  << "1E306";
        QTest::newRow("V in Lichtjahre³") << 4 << "Lichtjahre³"
                                          << "1E300";
    }

    void targetsBeyondTheNumberRangeMatchNothing() {
        QFETCH(int, quantity);
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        f_->SelectUnit(quantity, unit);
        for (const char* half : {"chk_A2", "chk_V2", "chk_V4"}) {
            f_->SetChecked(half, true);
        }
        TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor0"), "2");
        SearchModeOn();
        TypeAndEnter(Search(quantity), typed);
        QCOMPARE(f_->Rows(), 0);
        QCOMPARE(f_->Caption("Lab_AnzGefundenerElemente"), QString("0 Elemente"));
    }

    void tenPercentWithoutSearchTextChangesOnlyTheOption() {
        SearchModeOn();
        QTest::mouseClick(Option(3), Qt::LeftButton);
        QVERIFY(Option(3)->isChecked());
        QCOMPARE(Rebuilds(), 0);
    }

    void enterInTheOwnToleranceBoxSearches() {
        SearchModeOn();
        TypeAndEnter(OwnTolerance(), "5");
        QCOMPARE(Rebuilds(), 1);  // nothing to search: the frequency box gets the focus
    }

    void searchTextsSurviveSwitchingSearchOff() {
        f_->ChooseOnly({1});
        SearchModeOn();
        QTest::mouseClick(Option(3), Qt::LeftButton);
        TypeAndEnter(Search(1), "0.0208");
        f_->SetChecked("Chk_Suchmodus", false);
        QCOMPARE(Search(1)->text(), QString(".0208"));
        QCOMPARE(NColumn(), QStringList{"1:33"});  // the normal table at N = 33
        f_->SetChecked("Chk_Suchmodus", true);
        QCOMPARE(NColumn(), QStringList{"1:33"});  // the same search at once
    }

    void markingWithoutHighlightedRowsUnticksEveryElement() {
        QTest::mouseClick(f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren"), Qt::LeftButton);
        for (int i = 0; i < 118; ++i) {
            QCOMPARE(f_->ElementList()->topLevelItem(i)->checkState(0), Qt::Unchecked);
        }
        QCOMPARE(f_->Rows(), 0);
    }

    void markingKeepsTheElementsOfHighlightedRows() {
        f_->ChooseOnly({1, 2, 3});
        f_->SetRange("30", "32");
        QCOMPARE(f_->Rows(), 9);
        // Element 1: only its last row highlighted; element 2: only its first; 3: none.
        QItemSelectionModel* selection = f_->Table()->selectionModel();
        for (int row : {2, 3}) {
            selection->select(f_->TableModel()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        QTest::mouseClick(f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren"), Qt::LeftButton);
        QCOMPARE(f_->ElementList()->topLevelItem(0)->checkState(0), Qt::Checked);
        QCOMPARE(f_->ElementList()->topLevelItem(1)->checkState(0), Qt::Checked);
        QCOMPARE(f_->ElementList()->topLevelItem(2)->checkState(0), Qt::Unchecked);
        QCOMPARE(f_->Rows(), 6);
        QVERIFY(f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren")->isEnabled());
    }
};

QTEST_MAIN(FmMainSearchTest)
#include "fm_main_search_test.moc"
