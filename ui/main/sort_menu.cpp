#include "ui/main/sort_menu.h"

#include "table/columns.h"
#include "ui/common/window_support.h"
#include "ui/main/result_table_model.h"

namespace kolvenar {

namespace {

// Every column a table can have that sorts: all but the blank first one.
constexpr int kMostColumns = [] {
    int count = 0;
    for (const ColumnKind& kind : kColumnKinds) {
        count += kind.sort != SortRule::None ? 1 : 0;
    }
    return count;
}();

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
    for (int place = 0; place < kMostColumns; ++place) {
        QAction* entry = addAction(QString());
        entry->setObjectName(MemberName(QStringLiteral("ME_SortierenNach"), place + 1));
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, place] {
            const std::vector<int> columns = SortingColumns();
            if (static_cast<std::size_t>(place) >= columns.size()) {
                return;
            }
            const int column = columns[static_cast<std::size_t>(place)];
            const bool again = model_.SortColumn() == column;
            model_.SortBy(column, again && model_.SortOrder() == Qt::AscendingOrder);
        });
    }
    QAction* built = addAction(QString());
    built->setObjectName(QStringLiteral("ME_UrspruenglicheReihenfolge"));
    connect(built, &QAction::triggered, this, [this] { model_.ShowBuiltOrder(); });
    connect(this, &QMenu::aboutToShow, this, &SortMenu::Follow);
    // The entries say the order in force at once, for a new table and a new sort alike.
    connect(&model_, &QAbstractItemModel::modelReset, this, &SortMenu::Follow);
    connect(&model_, &ResultTableModel::orderChanged, this, &SortMenu::Follow);
    Follow();
}

std::vector<int> SortMenu::SortingColumns() const {
    std::vector<int> columns;
    for (int column = 0; column < model_.columnCount(); ++column) {
        if (model_.Shown().Sorts(column)) {
            columns.push_back(column);
        }
    }
    return columns;
}

void SortMenu::Follow() {
    const std::vector<int> columns = SortingColumns();
    QStringList captions;
    for (int column : columns) {
        captions << model_.HeaderText(column);
    }
    captions << QStringLiteral("Ursprüngliche Reihenfolge");
    captions = WithAccessKeys(captions);
    const QList<QAction*> entries = actions();
    const auto shown = static_cast<int>(columns.size());
    for (int place = 0; place < kMostColumns; ++place) {
        QAction* entry = entries[place];
        const bool sorted =
            place < shown && model_.SortColumn() == columns[static_cast<std::size_t>(place)];
        entry->setVisible(place < shown);
        entry->setText(place >= shown ? QString()
                       : sorted       ? captions[place] + Direction(model_.SortOrder())
                                      : captions[place]);
        entry->setChecked(sorted);
    }
    entries.constLast()->setText(captions.constLast());
}

}  // namespace kolvenar
