#include "ui/main/element_selection.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <climits>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "ui/common/accessibility.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

constexpr int kTagRole = Qt::UserRole;
// "Z1" to "Z118", as earlier versions stored them (docs/design.md, "Control names are stored
// keys").
QString ElementKey(int z) {
    return MemberName(keys::kElementTickPrefix, z);
}

}  // namespace

ElementSelection::ElementSelection(MainState& state, QWidget* container)
    : QObject(container), state_(state) {
    auto* all = PlaceControl<QPushButton>(
        container, MemberName(QStringLiteral("cmd_ElementeVisible"), 1), 120, 2160, 975, 255);
    all->setText(QStringLiteral("Alle"));
    auto* none = PlaceControl<QPushButton>(
        container, MemberName(QStringLiteral("cmd_ElementeVisible"), 0), 1320, 2160, 975, 255);
    none->setText(QStringLiteral("Keine"));
    connect(all, &QPushButton::clicked, this, [this] { cmd_ElementeVisible_Click(1); });
    connect(none, &QPushButton::clicked, this, [this] { cmd_ElementeVisible_Click(0); });

    auto* legend = PlaceControl<QLabel>(container, MemberName(QStringLiteral("Lab_Info"), 0), 120,
                                        2520, 1815, 255);
    legend->setText(QStringLiteral("* = Künstliches Element"));

    lv_Elemente_ =
        PlaceControl<QTreeWidget>(container, QStringLiteral("lv_Elemente"), 120, 2760, 2175, 3735);
    lv_Elemente_->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Z")});
    lv_Elemente_->setRootIsDecorated(false);
    lv_Elemente_->setUniformRowHeights(true);
    lv_Elemente_->setSortingEnabled(false);
    lv_Elemente_->header()->setSectionsMovable(false);
    lv_Elemente_->header()->setSectionsClickable(false);
    lv_Elemente_->setColumnWidth(0, TwipsToPixels(1380));
    lv_Elemente_->setColumnWidth(1, TwipsToPixels(464));
    ShowFocusRing(*lv_Elemente_);
    lv_Elemente_->installEventFilter(this);
    connect(lv_Elemente_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem*, int column) {
        if (column == 0 && !state_.SuppressEvents) {
            emit selectionApplyRequested();
        }
    });
}

// Space ticks the current row whichever of its cells is current; the list itself ticks only
// when the name is.
bool ElementSelection::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lv_Elemente_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QTreeWidgetItem* row = lv_Elemente_->currentItem();
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier && row != nullptr) {
            row->setCheckState(0, row->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ElementSelection::Restore(const SettingsStore& store) {
    std::array<bool, kElementCount + 1> ticked{};
    for (int z = 1; z <= kElementCount; ++z) {
        ticked[static_cast<std::size_t>(z)] =
            store.ReadInt(sections::kElementTicks, ElementKey(z), 1, INT_MIN, INT_MAX) != 0;
    }
    Fill(ticked);
}

void ElementSelection::Store(SettingsStore& store) const {
    for (int i = 0; i < lv_Elemente_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lv_Elemente_->topLevelItem(i);
        store.WriteInt(sections::kElementTicks, ElementKey(row->data(0, kTagRole).toInt()),
                       row->checkState(0) == Qt::Checked ? 1 : 0);
    }
}

void ElementSelection::StretchListTo(int bottom) {
    lv_Elemente_->resize(lv_Elemente_->width(), std::max(1, bottom - lv_Elemente_->y()));
}

void ElementSelection::Fill(const std::array<bool, kElementCount + 1>& ticked) {
    lv_Elemente_->clear();
    QList<QTreeWidgetItem*> rows;
    for (int z = 1; z <= kElementCount; ++z) {
        auto* row = new QTreeWidgetItem({FromUtf8(ElementName(z)), QString::number(z)});
        row->setData(0, kTagRole, z);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(0, ticked[static_cast<std::size_t>(z)] ? Qt::Checked : Qt::Unchecked);
        rows.append(row);
    }
    lv_Elemente_->addTopLevelItems(rows);
}

std::array<bool, kElementCount + 1> ElementSelection::Chosen() const {
    std::array<bool, kElementCount + 1> chosen{};
    for (int i = 0; i < lv_Elemente_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = lv_Elemente_->topLevelItem(i);
        const int z = row->data(0, kTagRole).toInt();
        if (z >= 1 && z <= kElementCount) {
            chosen[static_cast<std::size_t>(z)] = row->checkState(0) == Qt::Checked;
        }
    }
    return chosen;
}

void ElementSelection::TickOnly(const std::vector<int>& zs) {
    SuppressedEvents suppressed(state_.SuppressEvents);
    for (int i = 0; i < lv_Elemente_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = lv_Elemente_->topLevelItem(i);
        const bool wanted =
            std::find(zs.begin(), zs.end(), row->data(0, kTagRole).toInt()) != zs.end();
        row->setCheckState(0, wanted ? Qt::Checked : Qt::Unchecked);
    }
}

void ElementSelection::cmd_ElementeVisible_Click(int index) {
    const Qt::CheckState wanted = index == 1 ? Qt::Checked : Qt::Unchecked;
    {
        SuppressedEvents suppressed(state_.SuppressEvents);
        for (int i = 0; i < lv_Elemente_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = lv_Elemente_->topLevelItem(i);
            if (row->checkState(0) != wanted) {
                row->setCheckState(0, wanted);
            }
        }
    }
    // One rebuild for the whole change.
    emit selectionApplyRequested();
}

}  // namespace kolvenar
