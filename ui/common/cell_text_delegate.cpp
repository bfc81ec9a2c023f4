#include "ui/common/cell_text_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace kolvenar {

namespace {

constexpr QStyleOptionViewItem::ViewItemFeatures kStyleOnlyFeatures =
    QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator |
    QStyleOptionViewItem::HasDecoration;

QPalette::ColorGroup TextColorGroup(const QStyleOptionViewItem& cell) {
    if (!(cell.state & QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return cell.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

}  // namespace

void CellTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    if (cell.text.isEmpty() || (cell.features & kStyleOnlyFeatures) ||
        (cell.state & (QStyle::State_HasFocus | QStyle::State_Editing)) ||
        cell.text.contains(QChar::LineSeparator) || cell.text.contains(QLatin1Char('\n'))) {
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        return;
    }
    // The text's room and place as the style finds them: the cell less the focus frame's margin
    // on either side, the line aligned in it as the cell says.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(cell.direction);
    textOption.setAlignment(QStyle::visualAlignment(cell.direction, cell.displayAlignment));
    QTextLayout layout(cell.text, cell.font);
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(room.width());
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    if (line.naturalTextWidth() > room.width()) {
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        return;
    }
    const QRect placed =
        QStyle::alignedRect(Qt::LayoutDirectionAuto, cell.displayAlignment & Qt::AlignVertical_Mask,
                            layout.boundingRect().size().toSize(), room);

    painter->save();
    painter->setClipRect(cell.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
    const QPalette::ColorGroup group = TextColorGroup(cell);
    painter->setPen(cell.palette.color(
        group, cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    layout.draw(painter, QPointF(room.x(), placed.top()));
    painter->restore();
}

}  // namespace kolvenar
