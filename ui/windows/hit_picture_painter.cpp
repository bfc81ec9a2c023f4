#include "ui/windows/hit_picture_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/elements.h"

namespace kolvenar {

namespace {

// viridis at 0, 0.1, … 1.
constexpr std::array<QRgb, 11> kScale = {0x440154, 0x482475, 0x414487, 0x355F8D, 0x2A788E, 0x21918C,
                                         0x22A884, 0x44BF70, 0x7AD151, 0xBDDF26, 0xFDE725};
constexpr double kMargin = 8;
constexpr double kGap = 4;
const QColor kGround = Qt::white;
const QColor kWriting = Qt::black;
const QColor kLines(0xD0, 0xD0, 0xD0);
// Cells at least this wide get a line round them.
constexpr double kLinedCell = 4;
// Cells no taller and wider than this many lines, so that a short list stays a grid.
constexpr double kTallestCell = 2;
constexpr double kWidestCell = 5;
constexpr double kLegendBar = 160;

// In the user's form, without the thousands' separators that would make 1,5 of 1500.
QString Number(double x) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(x, 'g', 6);
}

}  // namespace

QColor HitColour(double ratio) {
    const double place = std::clamp(ratio, 0.0, 1.0) * (kScale.size() - 1);
    const auto low = static_cast<std::size_t>(std::min(place, kScale.size() - 2.0));
    const double t = place - static_cast<double>(low);
    const auto mix = [t](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * t));
    };
    const QColor a(kScale[low]);
    const QColor b(kScale[low + 1]);
    return {mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue())};
}

QString HitElementLabel(int z) {
    return QString::fromUtf8(ElementName(z)) + QStringLiteral(" (") + QString::number(z) +
           QLatin1Char(')');
}

QString HitValueLabel(double value) {
    return Number(value);
}

HitLayout::HitLayout(const QRectF& area, const HitGrid& grid, const QFont& font) : area_(area) {
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    double namesWidth = 0;
    for (int row = 0; row < grid.ElementCount(); ++row) {
        namesWidth =
            std::max(namesWidth, metrics.horizontalAdvance(HitElementLabel(grid.Element(row))));
    }
    const double left = area.left() + kMargin + line + kGap + namesWidth + kGap;
    const double width = std::max(area.right() - kMargin - left, 1.0);
    cellWidth_ = std::min(width / std::max(grid.ValueCount(), 1), kWidestCell * line);
    const int step = static_cast<int>(std::ceil((line + 2) / std::max(cellWidth_, 1e-9)));
    for (int column = 0; column < grid.ValueCount(); column += step) {
        labelsHeight_ =
            std::max(labelsHeight_, metrics.horizontalAdvance(HitValueLabel(grid.Value(column))));
    }
    // Below the grid: the values, the axis title and the legend of two lines.
    const double below = kGap + labelsHeight_ + kGap + line + kGap + 2 * line + kMargin;
    const double height = std::max(area.bottom() - below - area.top() - kMargin, 1.0);
    cellHeight_ = std::min(height / std::max(grid.ElementCount(), 1), kTallestCell * line);
    grid_ = QRectF(left, area.top() + kMargin, cellWidth_ * grid.ValueCount(),
                   cellHeight_ * grid.ElementCount());
}

QRectF HitLayout::CellRect(int row, int column) const {
    return {grid_.left() + column * cellWidth_, grid_.top() + row * cellHeight_, cellWidth_,
            cellHeight_};
}

bool HitLayout::CellAt(QPointF point, int& row, int& column) const {
    if (!grid_.contains(point) || cellWidth_ <= 0 || cellHeight_ <= 0) {
        return false;
    }
    column = static_cast<int>((point.x() - grid_.left()) / cellWidth_);
    row = static_cast<int>((point.y() - grid_.top()) / cellHeight_);
    return true;
}

class HitPainter {
public:
    HitPainter(QPainter& painter, const HitLayout& layout, const HitGrid& grid, const QFont& font)
        : p_(painter), layout_(layout), grid_(grid), metrics_(font), line_(metrics_.height()) {}

    void Cells() const;
    void DenseCells() const;
    void Numbers() const;
    void Names() const;
    void Values() const;
    void AxisTitles() const;
    void Legend() const;

private:
    QPainter& p_;
    const HitLayout& layout_;
    const HitGrid& grid_;
    QFontMetricsF metrics_;
    double line_;
};

void HitPainter::Cells() const {
    const QRectF& area = layout_.GridRect();
    const bool lined = layout_.CellWidth() >= kLinedCell && layout_.CellHeight() >= kLinedCell;
    p_.fillRect(area, lined ? kLines : kGround);
    const double inset = lined ? 0.5 : 0;
    for (int row = 0; row < grid_.ElementCount(); ++row) {
        for (int column = 0; column < grid_.ValueCount(); ++column) {
            const HitGrid::Cell& cell = grid_.At(row, column);
            const QRectF rect =
                layout_.CellRect(row, column).adjusted(inset, inset, -inset, -inset);
            if (cell.Explained()) {
                p_.fillRect(rect, HitColour(cell.ratio));
            } else if (lined) {
                p_.fillRect(rect, kGround);
            }
        }
    }
}

// A column of pixels shows the best of the values it covers: a hit is never hidden by the
// values beside it.
void HitPainter::DenseCells() const {
    const QRectF& area = layout_.GridRect();
    const int pixels = std::max(static_cast<int>(area.width()), 1);
    QImage image(pixels, grid_.ElementCount(), QImage::Format_RGB32);
    const int values = grid_.ValueCount();
    for (int row = 0; row < grid_.ElementCount(); ++row) {
        auto* scan = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < pixels; ++x) {
            // The values whose cells start within this pixel.
            const auto start = [&](long long pixel) {
                return static_cast<int>((pixel * values + pixels - 1) / pixels);
            };
            const int first = start(x);
            const int last = std::max(start(x + 1), first + 1);
            float best = -1;
            for (int column = first; column < std::min(last, values); ++column) {
                const float ratio = grid_.At(row, column).ratio;
                if (ratio >= 0 && (best < 0 || ratio < best)) {
                    best = ratio;
                }
            }
            scan[x] = best < 0 ? kGround.rgb() : HitColour(best).rgb();
        }
    }
    p_.drawImage(area, image);
}

void HitPainter::Numbers() const {
    if (layout_.CellHeight() < line_) {
        return;
    }
    for (int row = 0; row < grid_.ElementCount(); ++row) {
        for (int column = 0; column < grid_.ValueCount(); ++column) {
            const HitGrid::Cell& cell = grid_.At(row, column);
            if (!cell.Explained()) {
                continue;
            }
            const QString text = QString::number(cell.n);
            if (metrics_.horizontalAdvance(text) + 4 > layout_.CellWidth()) {
                continue;
            }
            p_.setPen(cell.ratio < 0.5 ? Qt::white : kWriting);
            p_.drawText(layout_.CellRect(row, column), Qt::AlignCenter, text);
        }
    }
}

void HitPainter::Names() const {
    const QRectF& area = layout_.GridRect();
    const int step = static_cast<int>(std::ceil(line_ / layout_.CellHeight()));
    p_.setPen(kWriting);
    for (int row = 0; row < grid_.ElementCount(); row += step) {
        const QRectF cell = layout_.CellRect(row, 0);
        const QRectF room(layout_.area_.left(), cell.center().y() - line_ / 2,
                          area.left() - kGap - layout_.area_.left(), line_);
        p_.drawText(room, Qt::AlignRight | Qt::AlignVCenter, HitElementLabel(grid_.Element(row)));
    }
}

void HitPainter::Values() const {
    const QRectF& area = layout_.GridRect();
    const int step = static_cast<int>(std::ceil((line_ + 2) / layout_.CellWidth()));
    p_.setPen(kWriting);
    for (int column = 0; column < grid_.ValueCount(); column += step) {
        const QRectF cell = layout_.CellRect(0, column);
        p_.save();
        p_.translate(cell.center().x(), area.bottom() + kGap);
        p_.rotate(-90);
        p_.drawText(QRectF(-layout_.labelsHeight_, -line_ / 2, layout_.labelsHeight_, line_),
                    Qt::AlignRight | Qt::AlignVCenter, HitValueLabel(grid_.Value(column)));
        p_.restore();
    }
}

void HitPainter::AxisTitles() const {
    const QRectF& area = layout_.GridRect();
    p_.setPen(kWriting);
    const double top = area.bottom() + kGap + layout_.labelsHeight_ + kGap;
    p_.drawText(QRectF(area.left(), top, area.width(), line_), Qt::AlignHCenter | Qt::AlignTop,
                QStringLiteral("Messwert"));
    p_.save();
    p_.translate(layout_.area_.left() + kMargin, area.center().y());
    p_.rotate(-90);
    p_.drawText(QRectF(-area.height() / 2, 0, area.height(), line_),
                Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Element"));
    p_.restore();
}

void HitPainter::Legend() const {
    const QRectF& area = layout_.GridRect();
    const double top = area.bottom() + kGap + layout_.labelsHeight_ + kGap + line_ + kGap;
    const QString title = QStringLiteral("|Abweichung| / Toleranz");
    p_.setPen(kWriting);
    const double titleWidth = metrics_.horizontalAdvance(title);
    const double left = layout_.area_.left() + kMargin;
    p_.drawText(QRectF(left, top, titleWidth, line_), Qt::AlignLeft | Qt::AlignVCenter, title);
    const QRectF bar(left + titleWidth + 2 * kGap, top, kLegendBar, line_);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (std::size_t i = 0; i < kScale.size(); ++i) {
        gradient.setColorAt(static_cast<double>(i) / (kScale.size() - 1), QColor(kScale[i]));
    }
    p_.fillRect(bar, gradient);
    for (double tick : {0.0, 0.5, 1.0}) {
        const double x = bar.left() + tick * bar.width();
        p_.drawText(QRectF(x - 2 * line_, bar.bottom(), 4 * line_, line_), Qt::AlignCenter,
                    Number(tick));
    }
    const QRectF empty(bar.right() + 4 * kGap, top, line_, line_);
    p_.setPen(kLines.darker(130));
    p_.setBrush(kGround);
    p_.drawRect(empty);
    p_.setPen(kWriting);
    p_.drawText(QRectF(empty.right() + kGap, top, 10 * line_, line_),
                Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("nicht erklärt"));
}

void PaintHitPicture(QPainter& painter, const QRectF& area, const HitGrid& grid,
                     const QFont& font) {
    painter.save();
    painter.setFont(font);
    painter.fillRect(area, kGround);
    if (grid.Empty()) {
        painter.setPen(kWriting);
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Kein Element erklärt einen Wert"));
        painter.restore();
        return;
    }
    const HitLayout layout(area, grid, font);
    const HitPainter hits(painter, layout, grid, font);
    if (layout.CellWidth() >= 1) {
        hits.Cells();
        hits.Numbers();
    } else {
        hits.DenseCells();
    }
    hits.Names();
    hits.Values();
    hits.AxisTitles();
    hits.Legend();
    painter.restore();
}

}  // namespace kolvenar
