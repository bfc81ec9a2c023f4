#include "ui/main/sort_menu.h"

#include "ui/common/window_support.h"
#include "ui/main/result_table_model.h"

namespace kolvenar {

SortMenu::SortMenu(ResultTableModel& model, QWidget* parent)
    : QMenu(QStringLiteral("&Sortieren nach"), parent), model_(model) {
    setObjectName(QStringLiteral("MT_SortierenNach"));
    connect(&model, &QAbstractItemModel::modelReset, this, &SortMenu::Fill);
    Fill();
}

void SortMenu::Fill() {
    // Later: the entry being chosen may be what sorted the table anew. Nameless meanwhile, so
    // that only the entries shown are found by their names.
    for (QAction* entry : actions()) {
        removeAction(entry);
        entry->setObjectName(QString());
        entry->deleteLater();
    }
    QStringList captions;
    for (int column = 1; column < model_.columnCount(); ++column) {
        captions << model_.HeaderText(column);
    }
    captions << QStringLiteral("Ursprüngliche Reihenfolge");
    captions = WithAccessKeys(captions);
    for (int column = 1; column < model_.columnCount(); ++column) {
        QAction* entry = addAction(captions[column - 1]);
        entry->setObjectName(MemberName(QStringLiteral("ME_SortierenNach"), column));
        entry->setCheckable(true);
        entry->setChecked(model_.SortColumn() == column);
        // Connected in the entry's name: a menu cuts its own connections to an entry it drops.
        connect(entry, &QAction::triggered, entry, [this, column] {
            const bool again = model_.SortColumn() == column;
            model_.SortBy(column, again && model_.SortOrder() == Qt::AscendingOrder);
        });
    }
    QAction* built = addAction(captions.constLast());
    built->setObjectName(QStringLiteral("ME_UrspruenglicheReihenfolge"));
    connect(built, &QAction::triggered, built, [this] { model_.ShowBuiltOrder(); });
}

}  // namespace kolvenar
