// The table builder without a window: every N of a range; and the buffer the copied text is
// written into. (A run ending on a division by zero: see fm_main_test.)
#include <QTest>

#include "output/table_builder.h"
#include "output/text_buffer.h"

using namespace kolvenar;

namespace {

// Hydrogen over an N range, every quantity in its base unit, not rounded.
TableRequest Hydrogen(double nFrom, double nTo) {
    TableRequest request;
    request.nFromScroll = nFrom;
    request.nToScroll = nTo;
    for (int i = 0; i < kQuantityCount; ++i) {
        request.quantityShown[static_cast<std::size_t>(i)] = true;
    }
    request.rounding = false;
    request.cx = 2.42611E-12;
    request.elementChosen[1] = true;
    return request;
}

}  // namespace

class TableBuilderTest : public QObject {
    Q_OBJECT

private slots:
    // Adding 1 to a fraction again and again drifts; no row of a range may get lost.
    void everyFractionalOffsetKeepsTheLastRow() {
        for (int hundredths = 1; hundredths < 100; ++hundredths) {
            for (const auto& [from, to, rows] :
                 {std::tuple{0, 2, 3}, {-900, 900, 1801}, {17, -5, 23}, {-3, -2, 2}}) {
                TableRequest request = Hydrogen(from, to);
                request.nOffset = hundredths / 100.0;
                const TableRun run = RunTable(request, ChooseColumns(request));
                QCOMPARE(static_cast<int>(run.table.RowCount()), rows);
                QCOMPARE(run.table.NAt(run.table.RowCount() - 1), to + hundredths / 100.0);
            }
        }
    }

    // More text than the room first reserved is kept whole, in order.
    void textBufferGrowsWithItsText() {
        TextBuffer text(3);
        std::string expected;
        for (int i = 0; i < 5000; ++i) {
            text += std::string_view("Wasserstoff\t");
            text += '1';
            expected += "Wasserstoff\t1";
        }
        QCOMPARE(text.View(), std::string_view(expected));
    }
};

QTEST_GUILESS_MAIN(TableBuilderTest)
#include "table_builder_test.moc"
