// The result table as the main window shows it: rows, cells and headers, the row-count
// question, overflows and failures, copying and sorting, and how the columns fit the view.
#include <QAbstractItemModelTester>
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

}  // namespace

class FmMainTableTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindowFixture> f_;

private slots:
    void init() { f_ = std::make_unique<MainWindowFixture>(); }

    void cleanup() {
        f_->ExpectNoStrayDialogs();
        f_.reset();
    }

    void table_data() {
        QTest::addColumn<QString>("steps");
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
        // below the current one instead); a click on a header
        // sorts by value ("Überlauf" after every number either way, equal values in built
        // order), the second reverses, a rebuild keeps the sort, the third returns to the built
        // order.
        QTest::newRow("copy two rows")
            << kTwoByTwo +
                   "; =enabled ME_Kopieren 0; select 1 2; =enabled ME_Kopieren 1; key lv_Ausgabe "
                   "Ctrl+C; =clipboard Element\tZ\tN\tL in "
                   "m\nWasserstoff\t1\t34\t0,0417\nMolybdän\t42\t33\t0,8753\n; key lv_Ausgabe "
                   "Down; key lv_Ausgabe Ctrl+C; =clipboard Element\tZ\tN\tL in "
                   "m\nWasserstoff\t1\t34\t0,0417\n";
        QTest::newRow("copy every row, English")
            << "locale en; " + kTwoByTwo +
                   "; key lv_Ausgabe Ctrl+A; key lv_Ausgabe Ctrl+C; =clipboard Element\tZ\tN\tL in "
                   "m\nWasserstoff\t1\t33\t0.0208\nWasserstoff\t1\t34\t0.0417\nMolybdän\t42\t33\t0."
                   "8753\nMolybdän\t42\t34\t1.7506\n";
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
        QTest::newRow("N") << kOverflowEdge +
                                  "; header N; =order 1:549 2:549 1:550 2:550 1:551 2:551; header "
                                  "N; =order 1:551 2:551 1:550 2:550 1:549 2:549";
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
        QTest::newRow("1801 pass") << "only 1; range -900 900; =rows 1801; =messages 0";
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

    void table() {
        QFETCH(QString, steps);
        QVERIFY(f_->Run(steps));
    }

    void columnsAndLists() {
        QVERIFY(
            f_->Run({"only 1 26 79 118", "check chk_Runden 0", "check chk_V4 1", "range -40 40"}));
        auto* table = f_->Find<QTreeView>("lv_Ausgabe");
        const QAbstractItemModel* model = table->model();
        const QFontMetrics metrics(table->font());
        int total = 0;
        for (int column = 0; column < model->columnCount(); ++column) {
            int widest =
                metrics.horizontalAdvance(model->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < model->rowCount(); ++row) {
                widest = std::max(
                    widest, metrics.horizontalAdvance(model->index(row, column).data().toString()));
            }
            QVERIFY(table->header()->sectionSize(column) >= widest);
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

QTEST_MAIN(FmMainTableTest)
#include "fm_main_table_test.moc"
