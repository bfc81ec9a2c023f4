#include "ui/windows/fm_auswerten.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "ui/common/accessibility.h"
#include "ui/common/control_list.h"
#include "ui/common/window_support.h"

namespace kolvenar {

// A white drawing surface that keeps what is drawn on it in an image and paints from there,
// so the drawing survives being covered by another window.
class PlotArea : public QWidget {
public:
    explicit PlotArea(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        SetAccessibleRole(*this, QAccessible::Graphic);
        ShowFocusRing(*this);
    }

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // Gives the area a new size and a white drawing of that size.
    void Clear(const QSize& size) {
        resize(size);
        image_ = QImage(size, QImage::Format_RGB32);
        image_.fill(Qt::white);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, image_);
    }

private:
    QImage image_;
};

namespace {

constexpr int kClientWidthTwips = 9285;
constexpr int kClientHeightTwips = 5970;
// Gap above the first area and between the two once "Test" has stacked them.
constexpr int kStackGapTwips = 105;
// The classic conversion: 567 twips to the centimetre, 1440 to the inch.
constexpr double kTwipsPerCm = 567.0;
constexpr double kTwipsPerInch = 1440.0;
// No area grows beyond this many pixels each way, whatever DrawGrid is asked for.
constexpr int kLargestArea = 16384;

// 22/7 in the place of pi (docs/design.md, "22/7 for pi").
constexpr double kDegreesToRadians = (22.0 / 7.0) / 180.0;

constexpr QRgb kGridColour = qRgb(192, 192, 192);
constexpr QRgb kAxisColour = qRgb(1, 1, 1);
constexpr std::array<QRgb, 3> kWaveColours = {qRgb(0, 0, 128), qRgb(0, 128, 0), qRgb(128, 0, 0)};
constexpr QRgb kSumColour = qRgb(128, 0, 128);

// The demonstration, in centimetres.
constexpr double kBaseWavelength = 12.5041;
constexpr double kPlotWidth = 30.0;
constexpr double kPlotHeight = 10.0;
constexpr double kMiddle = 5.0;
constexpr double kLastX = 25.0082;
constexpr double kStep = 0.01;
constexpr double kGridStep = 0.5;
constexpr double kCircleRadius = 7.0;
constexpr double kCircleCentre = 5.0;

// The nearest whole pixel, kept within a range that no conversion to int can overflow.
int NearestPixel(float v) {
    constexpr float kLimit = 1.0e6f;
    return static_cast<int>(std::clamp(std::floor(v + 0.5f), -kLimit, kLimit));
}

struct AreaPlace {
    int left;
    int top;
};

constexpr std::array<AreaPlace, 2> kAreaPlaces = {{{120, 600}, {120, 3120}}};

constexpr std::array<ListedControl, 3> kControls = {{
    {.name = "pic_Plot0", .spoken = "Zeichenfläche der Einzelwellen"},
    {.name = "cmd_Test"},
    {.name = "pic_Plot1", .spoken = "Zeichenfläche der Summe"},
}};
constexpr int kAreaWidthTwips = 6615;
constexpr int kAreaHeightTwips = 2415;

}  // namespace

Fm_Auswerten::Fm_Auswerten(QWidget* parent)
    : SideWindow(sections::kEvaluation, QStringLiteral(" Auswerten"), WindowBorder::Resizable,
                 parent) {
    resize(TwipsRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());

    for (int i = 0; i < 2; ++i) {
        const AreaPlace& place = kAreaPlaces[i];
        pic_Plot_[i] =
            PlaceControl<PlotArea>(this, MemberName(QStringLiteral("pic_Plot"), i), place.left,
                                   place.top, kAreaWidthTwips, kAreaHeightTwips);
        pic_Plot_[i]->Clear(pic_Plot_[i]->size());
    }
    cmd_Test_ = PlaceControl<QPushButton>(this, QStringLiteral("cmd_Test"), 120, 120, 1215, 375);
    cmd_Test_->setText(QStringLiteral("Test"));
    // After "Test" the first area covers the button's place; the button stays on top so that
    // it can be pressed again.
    cmd_Test_->raise();
    connect(cmd_Test_, &QPushButton::clicked, this, &Fm_Auswerten::cmd_Test_Click);
    SetUpControls(*this, kControls);

    SettingsStore store;
    RestorePlacement(store);
}

double Fm_Auswerten::SinDeg(double d) {
    return std::sin(kDegreesToRadians * d);
}

double Fm_Auswerten::CosDeg(double d) {
    return std::cos(kDegreesToRadians * d);
}

double Fm_Auswerten::WaveHeight(double a, double d) {
    return -a * std::sin(kDegreesToRadians * d);
}

double Fm_Auswerten::WaveAt(double lambda, double x, double w, double A) {
    return WaveHeight(A / 2.0, ((w / lambda) * x) * (360.0 / w));
}

float Fm_Auswerten::CmToPixelX(double cm) const {
    return static_cast<float>(cm * kTwipsPerCm * logicalDpiX() / kTwipsPerInch);
}

float Fm_Auswerten::CmToPixelY(double cm) const {
    return static_cast<float>(cm * kTwipsPerCm * logicalDpiY() / kTwipsPerInch);
}

void Fm_Auswerten::SetPlotIndex(int index) {
    plotIndex_ = index == 0 ? 0 : 1;
}

PlotArea& Fm_Auswerten::CurrentArea() const {
    return *pic_Plot_[plotIndex_];
}

const QImage& Fm_Auswerten::PlotImage(int index) const {
    return pic_Plot_[index == 0 ? 0 : 1]->Image();
}

void Fm_Auswerten::DrawGrid(double w, double h) {
    const double m = h / 2.0;
    // One pixel more than the plot each way, so that the grid line at w and at h shows.
    const int extra = TwipsToPixels(kTwipsPerPixel);
    const QSize size(std::clamp(NearestPixel(CmToPixelX(w)) + extra, 1, kLargestArea),
                     std::clamp(NearestPixel(CmToPixelY(h)) + extra, 1, kLargestArea));
    CurrentArea().Clear(size);

    const QColor grid = QColor::fromRgb(kGridColour);
    for (double x = 0.0; x <= w; x = x + kGridStep) {
        PlotLine(x, 0.0, x, h, grid);
    }
    for (double y = m; y >= 0.0; y = y - kGridStep) {
        PlotLine(0.0, y, w, y, grid);
    }
    for (double y = m; y <= h; y = y + kGridStep) {
        PlotLine(0.0, y, w, y, grid);
    }
    PlotLine(0.0, m, w, m, QColor::fromRgb(kAxisColour));
}

void Fm_Auswerten::PlotPoint(double x, double y, const QColor& colour) {
    PlotArea& area = CurrentArea();
    QImage& image = area.Image();
    const int px = NearestPixel(CmToPixelX(x));
    const int py = NearestPixel(CmToPixelY(y));
    if (image.valid(px, py)) {
        image.setPixel(px, py, colour.rgb());
        area.update(px, py, 1, 1);
    }
}

void Fm_Auswerten::PlotLine(double x1, double y1, double x2, double y2, const QColor& colour) {
    PlotArea& area = CurrentArea();
    {
        QPainter painter(&area.Image());
        painter.setPen(QPen(colour, 0));
        painter.drawLine(QPoint(NearestPixel(CmToPixelX(x1)), NearestPixel(CmToPixelY(y1))),
                         QPoint(NearestPixel(CmToPixelX(x2)), NearestPixel(CmToPixelY(y2))));
    }
    area.update();
}

void Fm_Auswerten::cmd_Test_Click() {
    for (int index : {0, 1}) {
        SetPlotIndex(index);
        DrawGrid(kPlotWidth, kPlotHeight);
    }
    const int gap = TwipsToPixels(kStackGapTwips);
    pic_Plot_[0]->move(pic_Plot_[0]->x(), gap);
    pic_Plot_[1]->move(pic_Plot_[1]->x(), gap + pic_Plot_[0]->height() + gap);

    const QColor sum = QColor::fromRgb(kSumColour);
    std::array<QColor, 3> waves;
    std::transform(kWaveColours.begin(), kWaveColours.end(), waves.begin(),
                   [](QRgb rgb) { return QColor::fromRgb(rgb); });
    for (double x = 0.0; x <= kLastX; x = kStep + x) {
        const double y1 = WaveAt(kBaseWavelength, x, kPlotWidth, 1.0);
        const double y2 = WaveAt(2.0 * kBaseWavelength, x, kPlotWidth, 2.0);
        const double y3 = WaveAt(kBaseWavelength * 4.0, x, kPlotWidth, 4.0);

        SetPlotIndex(0);
        PlotPoint(x, y1 + kMiddle, waves[0]);
        PlotPoint(x, kMiddle + y2, waves[1]);
        PlotPoint(x, kMiddle + y3, waves[2]);

        SetPlotIndex(1);
        PlotPoint(x, ((y1 + y2) + y3) + kMiddle, sum);
        // One turn per base wavelength: the sum becomes the radius of a figure.
        const double a = ((kPlotWidth / kBaseWavelength) * x) * (360.0 / kPlotWidth);
        const double s = (y1 + y2) + y3;
        const double px = (s + kCircleRadius) * SinDeg(a);
        const double py = (s + kCircleRadius) * CosDeg(a);
        PlotPoint(kCircleCentre + px, kCircleCentre + py, sum);
    }
}

}  // namespace kolvenar
