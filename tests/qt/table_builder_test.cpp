// The table builder without a window: columns, headers, rows and cells.
#include <QTest>

#include <cmath>

#include "core/number_text.h"
#include "output/result_table_model.h"
#include "output/table_builder.h"

using namespace kolvenar;

namespace {

constexpr double kCe = 2.42611E-12;

std::array<ParsedUnit, kQuantityCount> Units(
    const std::array<std::string_view, kQuantityCount>& labels) {
    std::array<ParsedUnit, kQuantityCount> units;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        units[i] = ParseUnitLabel(labels[i]);
    }
    return units;
}

// Element 1 only, units Hz, m, s, m², m³, every quantity shown, no rounding.
TableRequest HydrogenRequest(double nFrom, double nTo) {
    TableRequest request;
    request.nFromScroll = nFrom;
    request.nToScroll = nTo;
    request.units = Units({"Hz", "m", "s", "m²", "m³"});
    request.quantityShown = {true, true, true, true, true};
    request.rounding = false;
    request.cx = kCe;
    request.elementChosen[1] = true;
    return request;
}

// Builds the table and hands it to a model that writes numbers with `separator`.
struct BuiltTable {
    explicit BuiltTable(const TableRequest& request, const QString& separator = ",") {
        const auto columns = ChooseColumns(request);
        QStringList headers;
        for (const auto& h : ColumnHeaders(request, columns, separator.toStdString())) {
            headers << QString::fromStdString(h);
        }
        model.SetDecimalSeparator(separator);
        model.SetHeaders(headers);
        run = RunTable(request, columns);
        model.SetRows(run.table);
    }
    QStringList Row(int row) const {
        QStringList cells;
        for (int c = 1; c < model.columnCount(); ++c) {
            cells << model.CellText(row, c);
        }
        return cells;
    }
    QStringList Headers() const {
        QStringList headers;
        for (int c = 0; c < model.columnCount(); ++c) {
            headers << model.HeaderText(c);
        }
        return headers;
    }
    ResultTableModel model;
    TableRun run;
};

}  // namespace

class TableBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void optionalColumnsAreIndependent_data() {
        QTest::addColumn<QList<bool>>("shown");
        QTest::addColumn<double>("factorF");
        QTest::addColumn<double>("factorL");
        QTest::addColumn<QList<bool>>("extras");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("factor without f")
            << QList<bool>{false, false, false, false, false} << 2.0 << 0.0
            << QList<bool>{false, false, false} << QStringList{"f * 2 in Hz"};
        QTest::newRow("halves without A and V")
            << QList<bool>{false, false, false, false, false} << 0.0 << 0.0
            << QList<bool>{true, true, true}
            << QStringList{"A / 2 in m²", "V / 2 in m³", "V / 4 in m³"};
        QTest::newRow("everything")
            << QList<bool>{true, true, true, true, true} << 0.5 << 2.0
            << QList<bool>{true, true, true}
            << QStringList{"f in Hz", "f * 0,5 in Hz", "L in m",  "L * 2 in m",  "T in s",
                           "A in m²", "A / 2 in m²",   "V in m³", "V / 2 in m³", "V / 4 in m³"};
    }

    void optionalColumnsAreIndependent() {
        QFETCH(QList<bool>, shown);
        QFETCH(double, factorF);
        QFETCH(double, factorL);
        QFETCH(QList<bool>, extras);
        QFETCH(QStringList, headers);
        TableRequest request = HydrogenRequest(33, 33);
        for (int i = 0; i < kQuantityCount; ++i) {
            request.quantityShown[static_cast<std::size_t>(i)] = shown[i];
        }
        request.wunschfaktorF = factorF;
        request.wunschfaktorL = factorL;
        request.showAHalf = extras[0];
        request.showVHalf = extras[1];
        request.showVQuarter = extras[2];
        const BuiltTable table(request);
        QCOMPARE(table.Headers().mid(4), headers);
        QCOMPARE(table.Row(0).size(), 3 + headers.size());
    }

    void factorColumnHoldsTheProduct() {
        TableRequest request = HydrogenRequest(33, 33);
        request.quantityShown = {};
        request.wunschfaktorF = 2;
        const BuiltTable table(request);
        QCOMPARE(table.Row(0).last(),
                 QString::fromStdString(TableNumberText(2 * 14385347523.13697, ",")));
    }

    void unitNamesAndEmptyUnits() {
        TableRequest request = HydrogenRequest(33, 33);
        request.units = Units({"kHz Kilo e+3", "", "Min.", "", "Lichtjahre³"});
        request.showVQuarter = true;
        const BuiltTable table(request);
        QCOMPARE(table.Headers().mid(4), (QStringList{"f in kHz", "L in ?", "T in Min.", "A in ?",
                                                      "V in Lichtjahre³", "V / 4 in Lichtjahre³"}));
        // An empty unit box leaves its values in the base unit.
        QCOMPARE(table.Row(0)[4], QString("0,0208401262129971"));
        QCOMPARE(table.Row(0)[3], QString("14385347,523137"));
    }

    void everyFractionalOffsetKeepsTheLastRow() {
        // Adding 1 to a fraction again and again drifts; no row of the range may get lost.
        for (int hundredths = 1; hundredths < 100; ++hundredths) {
            for (const auto& [from, to] : {std::pair{0, 2}, {-900, 900}, {17, -5}, {-3, -2}}) {
                TableRequest request = HydrogenRequest(from, to);
                request.quantityShown = {};
                request.nOffset = hundredths / 100.0;
                const TableRun run = RunTable(request, ChooseColumns(request));
                QCOMPARE(static_cast<long long>(run.table.RowCount()), RowEstimate(from, to, 1));
                QCOMPARE(run.table.NAt(run.table.RowCount() - 1), to + hundredths / 100.0);
            }
        }
    }

    void divisionByZeroEndsTheRunKeepingEarlierRows() {
        // With Cx = 1E-320, L is a subnormal number down to N = -11 and exactly 0 at -12.
        TableRequest request = HydrogenRequest(-10, -13);
        request.cx = 1e-320;
        request.elementChosen[2] = true;
        const TableRun run = RunTable(request, ChooseColumns(request));
        QVERIFY(run.error.has_value());
        QCOMPARE(run.error->Number, 11);
        QCOMPARE(std::string(run.error->Description), std::string("Division durch Null"));
        QCOMPARE(run.table.RowCount(), std::size_t{2});
    }

    void rowEstimate_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<int>("elements");
        QTest::addColumn<qlonglong>("rows");
        QTest::newRow("10 to 12, 5 elements") << 10.0 << 12.0 << 5 << 15LL;
        QTest::newRow("one N, 118 elements") << 33.0 << 33.0 << 118 << 118LL;
        QTest::newRow("full range, one element") << -900.0 << 900.0 << 1 << 1801LL;
        QTest::newRow("full range, two elements") << -900.0 << 900.0 << 2 << 3602LL;
        QTest::newRow("0 to 35, 100 elements") << 0.0 << 35.0 << 100 << 3600LL;
        QTest::newRow("reversed") << 12.0 << 10.0 << 5 << 15LL;
        QTest::newRow("everything") << 900.0 << -900.0 << 118 << 212518LL;
    }

    void rowEstimate() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(int, elements);
        QFETCH(qlonglong, rows);
        QCOMPARE(RowEstimate(from, to, elements), rows);
    }

    void largestTableHoldsEveryRowInOrder() {
        // 118 elements over the whole range with every column.
        TableRequest request = HydrogenRequest(-900, 900);
        request.elementChosen.fill(true);
        request.elementChosen[0] = false;
        request.wunschfaktorF = 2;
        request.wunschfaktorL = 0.5;
        request.showAHalf = request.showVHalf = request.showVQuarter = true;
        const TableRun run = RunTable(request, ChooseColumns(request));
        QCOMPARE(run.table.RowCount(), std::size_t{212518});
        QCOMPARE(run.FoundCount(), 118);
        QCOMPARE(run.table.ValueCount(), std::size_t{10});
        const std::size_t last = run.table.RowCount() - 1;
        QCOMPARE(run.table.ElementAt(0), 1);
        QCOMPARE(run.table.NAt(0), -900.0);
        QCOMPARE(run.table.ElementAt(last), 118);
        QCOMPARE(run.table.NAt(last), 900.0);
        QVERIFY(std::isinf(run.table.ValueAt(last, 9)));  // V / 4 of the largest L overflows
    }
};

QTEST_GUILESS_MAIN(TableBuilderTest)
#include "table_builder_test.moc"
