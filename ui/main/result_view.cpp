#include "ui/main/result_view.h"

#include <QHeaderView>

#include <algorithm>
#include <array>

#include "ui/windows/window_support.h"

namespace kolvenar {

namespace {

// Tables up to this size are measured row by row; larger ones on this many evenly spread rows.
constexpr int kMeasuredRows = 4096;
// Of the sampled texts, those this close to the longest one are measured in pixels.
constexpr qsizetype kLengthSlack = 1;
constexpr std::size_t kMostMeasured = 256;

}  // namespace

ResultTableView::ResultTableView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("lv_Ausgabe"));
    setModel(&model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(false);
    header()->setMinimumSectionSize(1);
    QFont bold = DialogFont(true);
    setFont(bold);
}

int ResultTableView::sizeHintForColumn(int column) const {
    const int rows = model_.rowCount();
    if (rows == 0) {
        return 0;
    }
    const QFontMetrics metrics(font());
    const auto textWidth = [&](int row) {
        return metrics.horizontalAdvance(model_.CellText(row, column));
    };
    // The delegate's margins around the text, taken from one cell.
    const int padding = sizeHintForIndex(model_.index(0, column)).width() - textWidth(0);

    int widest = 0;
    if (column == 1) {
        // Names differ in the width of their letters: measure each element's name once.
        std::array<bool, kElementCount + 1> seen{};
        const ResultTable& table = model_.Table();
        for (std::size_t row = 0; row < table.RowCount(); ++row) {
            const auto z = static_cast<std::size_t>(table.ElementAt(row));
            if (!seen[z]) {
                seen[z] = true;
                widest = std::max(widest, textWidth(static_cast<int>(row)));
            }
        }
        return widest + padding;
    }

    // Numbers: digits are equally wide, so the longest texts of a sample are the widest.
    const int sampled = std::min(rows, kMeasuredRows);
    std::vector<std::pair<qsizetype, int>> lengths;  // text length, row
    lengths.reserve(static_cast<std::size_t>(sampled));
    for (int i = 0; i < sampled; ++i) {
        const int row =
            sampled == rows
                ? i
                : static_cast<int>(static_cast<long long>(i) * (rows - 1) / (sampled - 1));
        lengths.emplace_back(model_.CellText(row, column).size(), row);
    }
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    const qsizetype longest = lengths.front().first;
    for (std::size_t i = 0; i < lengths.size() && i < kMostMeasured; ++i) {
        if (lengths[i].first + kLengthSlack < longest) {
            break;
        }
        widest = std::max(widest, textWidth(lengths[i].second));
    }
    return widest + padding;
}

void ResultTableView::AutoSizeColumns() {
    const int columns = model_.columnCount();
    if (columns == 0) {
        return;
    }
    for (int column = 1; column < columns; ++column) {
        resizeColumnToContents(column);
    }
    lastColumnFit_ = header()->sectionSize(columns - 1);
    FillLastColumn();
}

void ResultTableView::FillLastColumn() {
    const int last = model_.columnCount() - 1;
    if (last < 1 || lastColumnFit_ == 0) {
        return;
    }
    int others = 0;
    for (int column = 0; column < last; ++column) {
        others += header()->sectionSize(column);
    }
    header()->resizeSection(last, std::max(lastColumnFit_, viewport()->width() - others));
}

void ResultTableView::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    FillLastColumn();
}

std::vector<int> ResultTableView::HighlightedElements() const {
    std::vector<int> elements;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        elements.push_back(model_.data(index, ResultTableModel::kElementRole).toInt());
    }
    return elements;
}

}  // namespace kolvenar
