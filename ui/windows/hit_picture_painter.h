#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include "ui/windows/hit_grid.h"

class QPainter;

namespace kolvenar {

// The colour of |deviation| ÷ tolerance from 0 (dark) to 1 (light) on a scale whose lightness
// rises steadily, so that it reads in grey and for eyes that tell few colours apart (viridis).
QColor HitColour(double ratio);

// Where the parts of the hit picture lie in an area: the grid of cells, and the room left and
// below it for the names, the values, the axis titles and the legend.
class HitLayout {
public:
    HitLayout(const QRectF& area, const HitGrid& grid, const QFont& font);

    const QRectF& GridRect() const { return grid_; }
    double CellWidth() const { return cellWidth_; }
    double CellHeight() const { return cellHeight_; }
    QRectF CellRect(int row, int column) const;
    // The cell under a point, as row and column; false outside the grid.
    bool CellAt(QPointF point, int& row, int& column) const;

private:
    friend class HitPainter;
    QRectF area_;
    QRectF grid_;
    double cellWidth_ = 0;
    double cellHeight_ = 0;
    double labelsHeight_ = 0;
};

// The text a row and a column of the picture are named by.
QString HitElementLabel(int z);
QString HitValueLabel(double value);

// Paints the picture of `grid` into `area` (white ground, black writing) with `font`. With
// more values than the grid is wide in pixels, a column of pixels shows the best of the values
// it covers; names and values are written only as far as they fit, the N only in cells wide
// enough for it.
void PaintHitPicture(QPainter& painter, const QRectF& area, const HitGrid& grid, const QFont& font);

}  // namespace kolvenar
