#include "ui/main/sort_header.h"

#include <QPainter>
#include <QStyleOptionHeaderV2>

#include <algorithm>

namespace kolvenar {

SortHeader::SortHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    // As a tree view's own header has them.
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SortHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!isSortIndicatorShown() || logicalIndex != sortIndicatorSection() || !rect.isValid()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QStyleOptionHeaderV2 option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    const QStyleOptionHeader::SortIndicator arrow = option.sortIndicator;
    // The section with its title, as without sorting, then the arrow beside the title.
    option.sortIndicator = QStyleOptionHeader::None;
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, &option, this);
    const QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    const int width = rect.height() / 2;
    const int titleEnd = label.left() + option.fontMetrics.horizontalAdvance(option.text);
    const int left = std::min(titleEnd + margin, rect.right() - margin - width);
    option.sortIndicator = arrow;
    option.rect = QRect(left, rect.top(), width, rect.height());
    style()->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &option, painter, this);
}

}  // namespace kolvenar
