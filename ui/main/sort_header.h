#pragma once

#include <QHeaderView>

namespace kolvenar {

// The result table's header. The arrow of the sorted column stands right after its title, where
// the eye looks for it, not at the far end of a column widened to fill the table.
class SortHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit SortHeader(QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace kolvenar
