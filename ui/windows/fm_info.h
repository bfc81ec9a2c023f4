#pragma once

#include <QString>

#include <array>

#include "ui/windows/side_window.h"

class QLabel;

namespace kolvenar {

class Desktop;

// The information window: the equation with the meaning of every symbol, and two links to web
// pages about the physics behind it, opened through `desktop`.
class Fm_Info : public SideWindow {
    Q_OBJECT

public:
    // Creates the window and restores its place (it is not shown).
    explicit Fm_Info(Desktop& desktop, QWidget* parent = nullptr);

    // The text of the lower box, every line ending in CR LF, the last one too.
    static QString EquationText();

    // Opens "http://" followed by the caption of link `index` (0 or 1).
    void Links_Click(int index);

private:
    Desktop& desktop_;
    std::array<QLabel*, 2> links_{};
};

}  // namespace kolvenar
