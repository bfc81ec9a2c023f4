#pragma once

#include <QStyledItemDelegate>

namespace kolvenar {

// Paints a cell of one line of plain text as the style does, with the text laid out once: the
// style lays it out four times over to place, measure, elide and draw it, which is most of the
// time a large table takes to paint. A cell it cannot paint so (text that does not fit and is
// elided, a cell with the focus frame, an icon, a check box or wrapped text) is left to the
// style.
class CellTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace kolvenar
