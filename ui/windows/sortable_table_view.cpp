#include "ui/windows/sortable_table_view.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>

#include "ui/common/accessibility.h"
#include "ui/common/window_support.h"
#include "ui/windows/sortable_table_model.h"

namespace kolvenar {

SortableTableView::SortableTableView(SortableTableModel& model, const QString& name,
                                     QWidget* parent)
    : QTableView(parent), model_(model) {
    setObjectName(name);
    setModel(&model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            &SortableTableView::HeaderClicked);
    connect(&model_, &QAbstractItemModel::layoutChanged, this,
            &SortableTableView::ShowSortIndicator);
    // Fitted to the rows in view and the titles; the last column fills the rest. Measuring a
    // thousand rows at every key would leave typing behind.
    horizontalHeader()->setResizeContentsPrecision(0);
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { resizeColumnsToContents(); });

    const ListEntries entries = AddCopyAndSelectAll(*this);
    copy_ = entries.copy;
    selectAll_ = entries.selectAll;
    connect(copy_, &QAction::triggered, this, &SortableTableView::CopyHighlightedRows);
    ShowFocusRing(*this);
}

void SortableTableView::HeaderClicked(int column) {
    model_.CycleSort(column);
}

void SortableTableView::ShowSortIndicator() {
    horizontalHeader()->setSortIndicator(model_.SortColumn(), model_.SortOrder());
}

std::vector<int> SortableTableView::HighlightedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < model_.rowCount(); ++row) {
        if (selectionModel()->isRowSelected(row, QModelIndex())) {
            rows.push_back(row);
        }
    }
    return rows;
}

void SortableTableView::CopyHighlightedRows() {
    const std::vector<int> rows = HighlightedRows();
    if (!rows.empty()) {
        QGuiApplication::clipboard()->setText(model_.CopyText(rows));
    }
}

// "Sortieren nach": a column sorts ascending, chosen again descending.
void SortableTableView::AddSortMenu(QMenu& menu) {
    QMenu* sort = menu.addMenu(QStringLiteral("&Sortieren nach"));
    sort->setObjectName(QStringLiteral("MT_SortierenNach"));
    QStringList captions;
    for (int column = 0; column < model_.columnCount(); ++column) {
        captions << model_.Title(column);
    }
    captions << QStringLiteral("Ursprüngliche Reihenfolge");
    captions = WithAccessKeys(captions);
    for (int column = 0; column < model_.columnCount(); ++column) {
        QAction* entry = sort->addAction(captions[column]);
        entry->setObjectName(MemberName(QStringLiteral("ME_SortierenNach"), column));
        entry->setCheckable(true);
        entry->setChecked(model_.SortColumn() == column);
        connect(entry, &QAction::triggered, this, [this, column] {
            const bool again = model_.SortColumn() == column;
            model_.SortBy(column, again && model_.SortOrder() == Qt::AscendingOrder);
        });
    }
    QAction* built = sort->addAction(captions.constLast());
    built->setObjectName(QStringLiteral("ME_UrspruenglicheReihenfolge"));
    connect(built, &QAction::triggered, this, [this] { model_.ShowBuiltOrder(); });
}

void SortableTableView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    copy_->setEnabled(selectionModel()->hasSelection());
    menu.addAction(copy_);
    menu.addAction(selectAll_);
    menu.addSeparator();
    AddSortMenu(menu);
    if (!windowEntries_.isEmpty()) {
        menu.addSeparator();
        menu.addActions(windowEntries_);
    }
    menu.exec(ContextMenuPosition(*this, *event));
}

void SortableTableView::keyPressEvent(QKeyEvent* event) {
    if (!OpenContextMenuByKey(*this, *event)) {
        QTableView::keyPressEvent(event);
    }
}

}  // namespace kolvenar
