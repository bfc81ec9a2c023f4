// Reference lengths and factors at the ends of the double range, and fractional N at the ends
// of the N range.
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;
using testing::TypeAndEnter;

class ExtremeValuesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    // Starts with the free slot holding `value` and selects it, hydrogen only.
    void StartWithReferenceLength(const QString& value) {
        SettingsStore store;
        store.Write("Fm_Main", "Einstellungen", "Ja");
        store.Write("Fm_Main", "Cx4", "Cx");
        store.Write("Fm_Main", "Cx_Wert4", value);
        store.Write("Fm_Main", "Combo_Cx", "4");
        store.Sync();
        f_->Start();
        f_->ChooseOnly({1});
        f_->SetChecked("chk_Runden", false);
    }

    QString CellOf(const QString& header) const {
        return f_->Cell(0, static_cast<int>(f_->Headers().indexOf(header)));
    }

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void overflowingWavelengthShowsUeberlaufInEveryDerivedCell() {
        StartWithReferenceLength("1E300");
        TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor0"), "2");
        QCOMPARE(f_->Caption("Lab_AusgabeCx"), QString("Cx=1E+300 m"));
        for (const char* header : {"f in MHz", "f * 2 in MHz", "L in m", "L * 0,5 in m", "T in ns",
                                   "A in m²", "V in m³"}) {
            QCOMPARE(CellOf(QString::fromUtf8(header)), QString("Überlauf"));
        }
        // Far down the N range the same length is an ordinary number again.
        TypeAndEnter(f_->Find<QLineEdit>("txt_N_Value0"), "-900");
        QCOMPARE(CellOf("L in m"), QString("1,18305218616677E+29"));
    }

    void lengthBelowTheRangeIsADivisionByZeroOnlyWhereLIsZero() {
        StartWithReferenceLength("1E-320");
        // At N = 33, L is tiny but not 0: the frequency overflows, nothing fails.
        QCOMPARE(CellOf("f in MHz"), QString("Überlauf"));
        QVERIFY(f_->desktop.messages.isEmpty());

        f_->desktop.Answer(MessageAnswer::Ok);
        TypeAndEnter(f_->Find<QLineEdit>("txt_N_Value0"), "-900");
        QCOMPARE(f_->desktop.messages.size(), 1);
        QCOMPARE(f_->desktop.messages[0].text, QString("11 : Division durch Null"));
        QVERIFY(!f_->Table()->isVisible());

        TypeAndEnter(f_->Find<QLineEdit>("txt_N_Value0"), "33");
        QVERIFY(f_->Table()->isVisible());
        QCOMPARE(f_->Rows(), 1);
    }

    void hugeAndTinyFactors() {
        f_->Start();
        f_->ChooseOnly({1});
        TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor0"), "1E300");
        QCOMPARE(f_->Find<QLineEdit>("txt_Wunschfaktor0")->text(), QString("1E+300"));
        // Its reciprocal rounds to 0 at six places: no factor for L.
        QCOMPARE(f_->Find<QLineEdit>("txt_Wunschfaktor1")->text(), QString("0"));
        QCOMPARE(CellOf("f * 1E+300 in MHz"), QString("Überlauf"));
        QVERIFY(!f_->Headers().join(' ').contains("L *"));

        TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor1"), "1E-300");  // rounds to 0
        QCOMPARE(f_->Find<QLineEdit>("txt_Wunschfaktor0")->text(), QString());
        QCOMPARE(f_->Find<QLineEdit>("txt_Wunschfaktor1")->text(), QString());
        QVERIFY(!f_->Headers().join(' ').contains('*'));
    }

    void fractionalNAtTheEndsOfTheRange_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("n");
        QTest::newRow("just below the top") << 0 << "899.99" << 899 << "899.99"
                                            << "899,99";
        QTest::newRow("above the top") << 0 << "900.5" << 900 << "900.5"
                                       << "900,5";
        QTest::newRow("below the bottom") << 0 << "-900.5" << -900 << "-899.5"
                                          << "-899,5";
        QTest::newRow("fraction rounding up to 1") << 0 << "-900.001" << -900 << "-899"
                                                   << "-899";
    }

    void fractionalNAtTheEndsOfTheRange() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(int, bar);
        QFETCH(QString, shown);
        QFETCH(QString, n);
        f_->Start();
        f_->ChooseOnly({1});
        auto* edit = f_->Find<QLineEdit>("txt_N_Value" + QString::number(box));
        TypeAndEnter(edit, typed);
        QCOMPARE(f_->Find<QScrollBar>("HScroll_N" + QString::number(box))->value(), bar);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(f_->Rows(), 1);
        QCOMPARE(f_->Cell(0, 3), n);
        for (const QString& cell : f_->Row(0)) {
            QVERIFY(!cell.contains("inf") && !cell.contains("nan"));
        }
    }
};

QTEST_MAIN(ExtremeValuesTest)
#include "extreme_values_test.moc"
