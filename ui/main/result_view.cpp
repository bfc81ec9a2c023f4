#include "ui/main/result_view.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <array>
#include <string>
#include <thread>
#include <utility>

#include "core/number_text.h"
#include "export/table_text.h"
#include "ui/common/accessibility.h"
#include "ui/common/cell_text_delegate.h"
#include "ui/common/window_support.h"
#include "ui/main/sort_header.h"
#include "ui/main/sort_menu.h"

namespace kolvenar {

namespace {

// The copied rows for the clipboard, as plain UTF-8 text. The text is written when a program
// asks for it, from the rows as they were when copied (the table's copy shares its rows): a
// large table's text is not held as long as it stays on the clipboard, and the copy itself
// takes no time. What it hands out is the caller's to keep.
class TableMimeData : public QMimeData {
public:
    TableMimeData(ShownTable table, std::vector<int> rows)
        : table_(std::move(table)), rows_(std::move(rows)) {}

    QStringList formats() const override {
        return {QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("text/plain")};
    }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (!formats().contains(mimeType)) {
            return {};
        }
        const BusyCursor busy;
        QByteArray text = TableText(table_, TableTextFormat{"\n", false}, &rows_,
                                    std::thread::hardware_concurrency());
        if (type.id() == QMetaType::QString) {
            return QString::fromUtf8(text);
        }
        return text;
    }

private:
    ShownTable table_;
    std::vector<int> rows_;
};

// Tables up to this size are measured row by row; larger ones on this many evenly spread rows.
constexpr int kMeasuredRows = 512;
// Of the sampled texts, those this close to the longest one count.
constexpr int kLengthSlack = 1;
constexpr std::size_t kMostShapes = 64;

}  // namespace

ResultTableView::ResultTableView(QWidget* parent) : QTreeView(parent) {
    setObjectName(QStringLiteral("lv_Ausgabe"));
    setHeader(new SortHeader(this));
    setModel(&model_);
    setItemDelegate(new CellTextDelegate(this));
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
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);
    header()->setMinimumSectionSize(1);
    QFont bold = DialogFont(true);
    setFont(bold);
    connect(header(), &QHeaderView::sectionClicked, this, &ResultTableView::HeaderClicked);
    connect(&model_, &QAbstractItemModel::modelReset, this, &ResultTableView::ShowSortIndicator);
    // Highlighted rows would now show other values: the highlight goes, as with a new table.
    connect(&model_, &ResultTableModel::orderChanged, this, [this] {
        selectionModel()->clear();
        ShowSortIndicator();
    });
    CreateActions();
    ShowFocusRing(*this);
}

void ResultTableView::CreateActions() {
    const ListEntries entries = AddCopyAndSelectAll(*this);
    copy_ = entries.copy;
    selectAll_ = entries.selectAll;
    connect(copy_, &QAction::triggered, this, &ResultTableView::CopyHighlightedRows);
    const auto updateCopy = [this] {
        copy_->setEnabled(selectionModel()->hasSelection());
    };
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, updateCopy);
    connect(&model_, &QAbstractItemModel::modelReset, this, updateCopy);
    updateCopy();
}

void ResultTableView::HeaderClicked(int column) {
    model_.CycleSort(column);
    ShowSortIndicator();
}

void ResultTableView::ShowSortIndicator() {
    header()->setSortIndicator(model_.SortColumn(), model_.SortOrder());
}

// A sort changes every row at once. Qt would find the place of each changed cell on the screen,
// hundreds of milliseconds for a large table; the rows keep their height, so repainting what is
// shown and telling screen readers is all there is to do.
void ResultTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                  const QList<int>& roles) {
    constexpr int kFewRows = 64;
    if (bottomRight.row() - topLeft.row() < kFewRows) {
        QTreeView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(topLeft.row());
        event.setFirstColumn(topLeft.column());
        event.setLastRow(bottomRight.row());
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
}

void ResultTableView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(copy_);
    menu.addAction(selectAll_);
    menu.addSeparator();
    menu.addActions(viewEntries_);
    menu.addMenu(new SortMenu(model_, &menu));
    menu.exec(ContextMenuPosition(*this, *event));
}

void ResultTableView::keyPressEvent(QKeyEvent* event) {
    if (!OpenContextMenuByKey(*this, *event)) {
        QTreeView::keyPressEvent(event);
    }
}

std::vector<int> ResultTableView::HighlightedRows() const {
    // The selection's ranges of rows in order; a row in two of them is taken once.
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        ranges.emplace_back(range.top(), range.bottom());
    }
    std::sort(ranges.begin(), ranges.end());
    // Each range starts after the rows taken before it.
    int next = 0;
    std::size_t count = 0;
    for (auto& [top, bottom] : ranges) {
        top = std::max(top, next);
        next = std::max(next, bottom + 1);
        count += static_cast<std::size_t>(std::max(bottom - top + 1, 0));
    }
    std::vector<int> rows;
    rows.reserve(count);
    for (const auto& [top, bottom] : ranges) {
        for (int row = top; row <= bottom; ++row) {
            rows.push_back(row);
        }
    }
    return rows;
}

void ResultTableView::CopyHighlightedRows() {
    std::vector<int> rows = HighlightedRows();
    if (rows.empty()) {
        return;
    }
    QGuiApplication::clipboard()->setMimeData(new TableMimeData(model_.Shown(), std::move(rows)));
}

int ResultTableView::sizeHintForColumn(int column) const {
    const CellKind holds = model_.Shown().ColumnHolds(column);
    if (model_.rowCount() == 0 || holds == CellKind::Empty) {
        return 0;
    }
    const QFontMetrics metrics(font());
    Measures& measures = CurrentMeasures(metrics);
    return measures.padding + (holds == CellKind::Name ? WidestName(metrics)
                                                       : WidestNumber(column, metrics, measures));
}

// What depends on the font alone is measured once per font: shaping text is the costly part
// of fitting the columns.
ResultTableView::Measures& ResultTableView::CurrentMeasures(const QFontMetrics& metrics) const {
    if (measures_.font == font() && measures_.padding >= 0) {
        return measures_;
    }
    measures_.font = font();
    measures_.nameWidths.fill(-1);
    measures_.shapeWidths.clear();
    // The delegate's margins around a text.
    const QString sample = QStringLiteral("0");
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.text = sample;
    option.features |= QStyleOptionViewItem::HasDisplay;
    measures_.padding =
        style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width() -
        metrics.horizontalAdvance(sample);
    measures_.widestDigit = '0';
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) >
            metrics.horizontalAdvance(QLatin1Char(measures_.widestDigit))) {
            measures_.widestDigit = digit;
        }
    }
    return measures_;
}

int ResultTableView::WidestName(const QFontMetrics& metrics) const {
    std::array<bool, kElementCount + 1> present{};
    const ResultTable& table = model_.Table();
    for (std::size_t row = 0; row < table.RowCount(); ++row) {
        present[static_cast<std::size_t>(table.ElementAt(row))] = true;
    }
    int widest = 0;
    for (int z = 1; z <= kElementCount; ++z) {
        int& width = measures_.nameWidths[static_cast<std::size_t>(z)];
        if (!present[static_cast<std::size_t>(z)]) {
            continue;
        }
        if (width < 0) {
            width = metrics.horizontalAdvance(FromUtf8(ElementName(z)));
        }
        widest = std::max(widest, width);
    }
    return widest;
}

// Digits are (nearly) equally wide, so a number's width follows from its length and the few
// other characters it holds. The longest texts of the rows (or of an even sample of a large
// table) are reduced to their shapes, every digit replaced by the font's widest digit, and
// only the distinct shapes are measured.
int ResultTableView::WidestNumber(int column, const QFontMetrics& metrics,
                                  Measures& measures) const {
    const int rows = model_.rowCount();
    const int sampled = std::min(rows, kMeasuredRows);
    const char digit = measures.widestDigit;
    // Shapes of the longest texts so far, with their lengths.
    std::vector<std::pair<int, std::string>> shapes;
    int longest = 0;
    char buffer[kNumberTextCapacity];
    for (int i = 0; i < sampled; ++i) {
        const int row =
            sampled == rows
                ? i
                : static_cast<int>(static_cast<long long>(i) * (rows - 1) / (sampled - 1));
        const auto length = static_cast<int>(model_.CellTextUtf8(row, column, buffer));
        if (length + kLengthSlack < longest) {
            continue;
        }
        if (length > longest) {
            longest = length;
            std::erase_if(shapes, [&](const auto& s) { return s.first + kLengthSlack < longest; });
        }
        std::string shape(buffer, static_cast<std::size_t>(length));
        std::replace_if(
            shape.begin(), shape.end(), [](char c) { return c >= '0' && c <= '9'; }, digit);
        const bool known = std::any_of(shapes.begin(), shapes.end(),
                                       [&](const auto& s) { return s.second == shape; });
        if (!known && shapes.size() < kMostShapes) {
            shapes.emplace_back(length, std::move(shape));
        }
    }
    // A table of every possible shape would still be small; the bound only keeps odd inputs from
    // growing it without end.
    constexpr std::size_t kMostKnownShapes = 16384;
    if (measures.shapeWidths.size() > kMostKnownShapes) {
        measures.shapeWidths.clear();
    }
    int widest = 0;
    for (const auto& shape : shapes) {
        const auto [known, added] = measures.shapeWidths.try_emplace(shape.second, 0);
        if (added) {
            known->second = metrics.horizontalAdvance(FromUtf8(shape.second));
        }
        widest = std::max(widest, known->second);
    }
    return widest;
}

void ResultTableView::AutoSizeColumns() {
    const int columns = model_.columnCount();
    if (columns == 0) {
        return;
    }
    // The blank column keeps the width the window gives it.
    for (int column = 0; column < columns; ++column) {
        if (model_.Shown().ColumnHolds(column) != CellKind::Empty) {
            resizeColumnToContents(column);
        }
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
