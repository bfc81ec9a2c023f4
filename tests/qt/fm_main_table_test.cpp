// The result table as the main window shows it.
#include <QTest>

#include "support/main_window_fixture.h"

using namespace kolvenar;
using testing::MainWindowFixture;

class FmMainTableTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

    // Hydrogen only, f, L, T in Hz, m, s.
    void ShowHydrogenInBaseUnits() {
        f_->ChooseOnly({1});
        f_->SelectUnit(0, "Hz");
        f_->SelectUnit(2, "s");
        f_->SetChecked("chk_Feldauswahl3", false);
        f_->SetChecked("chk_Feldauswahl4", false);
    }

private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->Start();
    }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void exampleRowsWithTheLocalesSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("n");
        QTest::addColumn<bool>("rounding");
        QTest::addColumn<QStringList>("cells");
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("N 0") << german << "0" << false
                             << QStringList{"Wasserstoff", "1",
                                            "0",           "1,23569194306936E+20",
                                            "2,42611E-12", "8,09263187001189E-21"};
        QTest::newRow("N 33") << german << "33" << false << QStringList{"Wasserstoff",
                                                                        "1",
                                                                        "33",
                                                                        "14385347523,137",
                                                                        "0,0208401262129971",
                                                                        "6,95151784405368E-11"};
        QTest::newRow("N 33 rounded")
            << german << "33" << true
            << QStringList{"Wasserstoff", "1", "33", "14385347523,137", "0,0208", "0"};
        QTest::newRow("English") << english << "33" << false << QStringList{"Wasserstoff",
                                                                            "1",
                                                                            "33",
                                                                            "14385347523.137",
                                                                            "0.0208401262129971",
                                                                            "6.95151784405368E-11"};
    }

    void exampleRowsWithTheLocalesSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(QString, n);
        QFETCH(bool, rounding);
        QFETCH(QStringList, cells);
        QLocale::setDefault(locale);
        f_->SetChecked("chk_Runden", rounding);
        ShowHydrogenInBaseUnits();
        f_->SetRange(n, n);
        QCOMPARE(f_->Headers(),
                 (QStringList{"", "Element", "Z", "N", "f in Hz", "L in m", "T in s"}));
        QCOMPARE(f_->Rows(), 1);
        QCOMPARE(f_->Row(0), cells);
        QCOMPARE(f_->Caption("Lab_AnzGefundenerElemente"), QString("1 Element"));
    }

    void rowCountQuestionAboveThreeThousandSixHundred_data() {
        QTest::addColumn<int>("elements");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("answer");  // 0 no, 1 yes
        QTest::addColumn<bool>("tick");   // "Nicht mehr fragen"
        QTest::addColumn<int>("rows");
        QTest::newRow("3600 pass") << 100 << "0"
                                   << "35" << false << 0 << false << 3600;
        QTest::newRow("1801 pass") << 1 << "-900"
                                   << "900" << false << 0 << false << 1801;
        QTest::newRow("3602 no, ticked") << 2 << "-900"
                                         << "900" << true << 0 << true << 0;
        QTest::newRow("3602 yes") << 2 << "-900"
                                  << "900" << true << 1 << false << 3602;
        QTest::newRow("3602 yes, ticked") << 2 << "-900"
                                          << "900" << true << 1 << true << 3602;
    }

    void rowCountQuestionAboveThreeThousandSixHundred() {
        QFETCH(int, elements);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, asked);
        QFETCH(int, answer);
        QFETCH(bool, tick);
        QFETCH(int, rows);
        f_->ChooseOnly({1});
        f_->SetRange(from, from);
        for (int z = 2; z <= elements; ++z) {
            f_->ElementList()->topLevelItem(z - 1)->setCheckState(0, Qt::Checked);
        }
        f_->desktop.Reset();
        if (asked) {
            f_->desktop.Answer(answer == 1 ? MessageAnswer::Yes : MessageAnswer::No, tick);
        }
        TypeAndEnterBis(to);
        QCOMPARE(f_->desktop.messages.size(), asked ? 1 : 0);
        QCOMPARE(f_->Rows(), rows);
        QCOMPARE(f_->Table()->isVisible(), rows > 0);
        QCOMPARE(f_->Find<QAction>("ME_Speichern0")->isEnabled(), rows > 0);
        QCOMPARE(f_->Caption("Lab_AusgabeCx").isEmpty(), rows == 0);
        if (!asked) {
            return;
        }
        const auto& question = f_->desktop.messages.first();
        QCOMPARE(question.title, QString(" Achtung"));
        QCOMPARE(question.text, QString("Die Ausgabe würde 3602 Zeilen ergeben !\r\n"
                                        "Das könnte evtl. eine Weile dauern !\r\n\r\n"
                                        "<JA> Ich warte dann ...\r\n"
                                        "<NEIN> Ups , dann stelle ich N anders ein oder wähle "
                                        "weniger Elemnte ."));
        QCOMPARE(question.icon, MessageIcon::Exclamation);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultAnswer, MessageAnswer::No);
        QCOMPARE(question.checkBoxText, QString("Nicht mehr fragen"));

        // Only "Ja" with the box ticked silences the question, also after a restart.
        const bool silenced = tick && answer == 1;
        f_->CloseWindow();
        f_->desktop.Reset();
        f_->Start();
        if (!silenced) {
            f_->desktop.Answer(MessageAnswer::No);
        }
        f_->SetRange("-900", "900");
        QCOMPARE(f_->desktop.messages.size(), silenced ? 0 : 1);
        QCOMPARE(f_->Rows(), silenced ? 3602 : 0);
    }

    void reversedRangeListsNDownwards() {
        ShowHydrogenInBaseUnits();
        f_->SetRange("12", "10");
        QCOMPARE(f_->Rows(), 3);
        QCOMPARE(f_->Cell(0, 3), QString("12"));
        QCOMPARE(f_->Cell(1, 3), QString("11"));
        QCOMPARE(f_->Cell(2, 3), QString("10"));
    }

    void typedFractionShiftsEveryN() {
        ShowHydrogenInBaseUnits();
        f_->SetRange("0", "2.5");
        QCOMPARE(f_->Rows(), 3);
        QCOMPARE(f_->Cell(0, 3), QString("0,5"));
        QCOMPARE(f_->Cell(1, 3), QString("1,5"));
        QCOMPARE(f_->Cell(2, 3), QString("2,5"));
        QCOMPARE(f_->Caption("Lab_N_Offset"), QString("N + .5"));
        QCOMPARE(f_->Caption("Lab_N0"), QString("N von .5"));
        QCOMPARE(f_->Caption("Lab_N1"), QString("N bis 2.5"));
    }

    void factorColumnsFollowTheFactorBoxes() {
        ShowHydrogenInBaseUnits();
        f_->SetChecked("chk_Feldauswahl0", false);
        TypeAndEnter(f_->Find<QLineEdit>("txt_Wunschfaktor0"), "2");
        QCOMPARE(f_->Find<QLineEdit>("txt_Wunschfaktor1")->text(), QString(".5"));
        QCOMPARE(f_->Headers().mid(4),
                 (QStringList{"f * 2 in Hz", "L in m", "L * 0,5 in m", "T in s"}));
        QCOMPARE(f_->Cell(0, 4), QString("28770695046,2739"));
    }

    void overflowCellsReadUeberlauf() {
        f_->ChooseOnly({1});
        f_->SetChecked("chk_A2", true);
        f_->SetRange("551", "551");
        const QStringList headers = f_->Headers();
        QCOMPARE(f_->Cell(0, headers.indexOf("A in m²")), QString("Überlauf"));
        QCOMPARE(f_->Cell(0, headers.indexOf("A / 2 in m²")), QString("Überlauf"));
        QCOMPARE(f_->Cell(0, headers.indexOf("V in m³")), QString("Überlauf"));
        QVERIFY(f_->Cell(0, headers.indexOf("L in m")) != "Überlauf");
    }

    void divisionByZeroShowsTheErrorAndTheNextRunWorks() {
        SettingsStore().Write("Fm_Main", "Cx_Wert4", "1E-320");
        SettingsStore().Write("Fm_Main", "Einstellungen", "Ja");
        f_->CloseWindow();
        f_->Start();
        f_->ChooseOnly({1});
        f_->Find<QComboBox>("Combo_Cx")->setCurrentIndex(4);
        f_->desktop.Reset();
        f_->desktop.Answer(MessageAnswer::Ok);
        TypeAndEnter(f_->Find<QLineEdit>("txt_N_Value0"), "-900");
        QCOMPARE(f_->desktop.messages.size(), 1);
        QCOMPARE(f_->desktop.messages[0].title, QString(" Fehler !?"));
        QCOMPARE(f_->desktop.messages[0].text, QString("11 : Division durch Null"));
        QCOMPARE(f_->desktop.messages[0].icon, MessageIcon::Exclamation);
        QVERIFY(!f_->Table()->isVisible());
        QVERIFY(!f_->Find<QAction>("ME_Speichern0")->isEnabled());
        QVERIFY(f_->Caption("Lab_AnzGefundenerElemente").isEmpty());

        TypeAndEnter(f_->Find<QLineEdit>("txt_N_Value0"), "33");
        QVERIFY(f_->Table()->isVisible());
        QCOMPARE(f_->Rows(), 1);
    }

    void noElementHidesTheTableWithoutMessage() {
        QTest::mouseClick(f_->Find<QPushButton>("cmd_ElementeVisible0"), Qt::LeftButton);
        QVERIFY(!f_->Table()->isVisible());
        QCOMPARE(f_->Rows(), 0);
        QVERIFY(!f_->Find<QPushButton>("cmd_AusgewählteInListeMarkieren")->isVisible());
        QVERIFY(!f_->Find<QAction>("ME_Speichern1")->isEnabled());
        QVERIFY(f_->Caption("Lab_AusgabeCx").isEmpty());
        QVERIFY(f_->desktop.messages.isEmpty());
    }

    void columnsFitHeaderAndContents() {
        f_->ChooseOnly({1, 26, 79, 118});
        f_->SetChecked("chk_Runden", false);
        f_->SetChecked("chk_V4", true);
        f_->SetRange("-40", "40");
        QHeaderView* header = f_->Table()->header();
        const QFontMetrics metrics(f_->Table()->font());
        for (int column = 1; column < f_->TableModel()->columnCount(); ++column) {
            int widest = metrics.horizontalAdvance(f_->Headers()[column]);
            for (int row = 0; row < f_->Rows(); ++row) {
                widest = std::max(widest, metrics.horizontalAdvance(f_->Cell(row, column)));
            }
            QVERIFY2(header->sectionSize(column) >= widest, qPrintable(f_->Headers()[column]));
        }
        QCOMPARE(header->sectionSize(0), 10);
    }

    void resizingKeepsTheListsInsideTheWindow() {
        Fm_Main& window = f_->Window();
        window.resize(900, 700);
        QTest::qWait(0);
        const QWidget* client = window.centralWidget();
        QCOMPARE(f_->Table()->geometry().right() + 1, client->width() - 7);
        QCOMPARE(f_->Table()->geometry().bottom() + 1, client->height() - 7);
        QCOMPARE(f_->ElementList()->geometry().bottom() + 1, client->height() - 7);
        QCOMPARE(f_->ElementList()->width(), 145);

        window.resize(120, 150);
        QTest::qWait(0);
        QCOMPARE(f_->Table()->width(), 1);
        QCOMPARE(f_->Table()->height(), 1);
        QCOMPARE(f_->ElementList()->height(), 1);
    }

private:
    void TypeAndEnterBis(const QString& text) {
        testing::TypeAndEnter(f_->Find<QLineEdit>("txt_N_Value1"), text);
    }
    static void TypeAndEnter(QWidget* box, const QString& text) {
        testing::TypeAndEnter(box, text);
    }
};

QTEST_MAIN(FmMainTableTest)
#include "fm_main_table_test.moc"
