#pragma once

#include <QColor>
#include <QImage>

#include <array>

#include "ui/windows/side_window.h"

class QPushButton;

namespace kolvenar {

class PlotArea;

// The evaluation window: two white plot areas and a button "Test" that draws three superposed
// sine waves on the first area and their sum, straight and wrapped round a circle, on the
// second. Lengths are in centimetres on the screen.
class Fm_Auswerten : public SideWindow {
    Q_OBJECT

public:
    // Creates the window and restores its place (it is not shown).
    explicit Fm_Auswerten(QWidget* parent = nullptr);

    // Angles in degrees, turned into radians with 22/7 in the place of pi.
    static double SinDeg(double d);
    static double CosDeg(double d);
    // The negated height of a wave of amplitude a at the angle d (screen y grows downwards).
    static double WaveHeight(double a, double d);
    // The height at x of a sine wave of wavelength lambda and peak-to-peak height A, for a
    // plot w centimetres wide.
    static double WaveAt(double lambda, double x, double w, double A);

    // Centimetres to pixels by the screen's logical resolution (96 dpi: 37.8 pixels per cm).
    float CmToPixelX(double cm) const;
    float CmToPixelY(double cm) const;

    // The plot area the drawing routines below draw on: 0 or 1.
    int PlotIndex() const { return plotIndex_; }
    void SetPlotIndex(int index);

    // Resizes the current area to w x h centimetres and one pixel, clears it and draws a
    // half-centimetre grid with the middle axis.
    void DrawGrid(double w, double h);
    void PlotPoint(double x, double y, const QColor& colour);
    void PlotLine(double x1, double y1, double x2, double y2, const QColor& colour);

    // The demonstration behind "Test".
    void cmd_Test_Click();

    // What area `index` shows; it is kept, so the drawing survives being covered.
    const QImage& PlotImage(int index) const;

protected:
private:
    PlotArea& CurrentArea() const;

    QPushButton* cmd_Test_ = nullptr;
    std::array<PlotArea*, 2> pic_Plot_{};
    int plotIndex_ = 0;
};

}  // namespace kolvenar
