#include "ui/main/sort_menu.h"

#include "table/result_table.h"
#include "ui/common/window_support.h"
#include "ui/main/result_table_model.h"

namespace kolvenar {

namespace {

// Element, Z, N and every optional column a table can have.
constexpr int kMostColumns = kFixedColumnCount - 1 + static_cast<int>(ColumnSource::Deviation) + 1;

// The ticked entry says which way the table is sorted, as the header's arrow does.
QString Direction(Qt::SortOrder order) {
    return order == Qt::AscendingOrder ? QStringLiteral(" ▲") : QStringLiteral(" ▼");
}

}  // namespace

SortMenu::SortMenu(ResultTableModel& model, QWidget* parent)
    : QMenu(QStringLiteral("&Sortieren nach"), parent), model_(model) {
    setObjectName(QStringLiteral("MT_SortierenNach"));
    // An entry for every column a table can have, made once: made anew at every table run they
    // would scatter small objects among the large rows of the next table. They follow the
    // table as the menu opens.
    for (int column = 1; column <= kMostColumns; ++column) {
        QAction* entry = addAction(QString());
        entry->setObjectName(MemberName(QStringLiteral("ME_SortierenNach"), column));
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, column] {
            const bool again = model_.SortColumn() == column;
            model_.SortBy(column, again && model_.SortOrder() == Qt::AscendingOrder);
        });
    }
    QAction* built = addAction(QString());
    built->setObjectName(QStringLiteral("ME_UrspruenglicheReihenfolge"));
    connect(built, &QAction::triggered, this, [this] { model_.ShowBuiltOrder(); });
    connect(this, &QMenu::aboutToShow, this, &SortMenu::Follow);
    // Sorting resets the model; the entries say the new order at once.
    connect(&model_, &QAbstractItemModel::modelReset, this, &SortMenu::Follow);
    Follow();
}

void SortMenu::Follow() {
    const int columns = model_.columnCount() - 1;
    QStringList captions;
    for (int column = 1; column <= columns; ++column) {
        captions << model_.HeaderText(column);
    }
    captions << QStringLiteral("Ursprüngliche Reihenfolge");
    captions = WithAccessKeys(captions);
    const QList<QAction*> entries = actions();
    for (int column = 1; column <= kMostColumns; ++column) {
        QAction* entry = entries[column - 1];
        const bool sorted = model_.SortColumn() == column;
        entry->setVisible(column <= columns);
        entry->setText(column > columns ? QString()
                       : sorted         ? captions[column - 1] + Direction(model_.SortOrder())
                                        : captions[column - 1]);
        entry->setChecked(sorted);
    }
    entries.constLast()->setText(captions.constLast());
}

}  // namespace kolvenar
