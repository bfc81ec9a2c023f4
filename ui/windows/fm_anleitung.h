#pragma once

#include <QString>

#include "ui/windows/side_window.h"

namespace kolvenar {

// The user guide in a window of its own, for a desktop that has no browser to show it in.
class Fm_Anleitung : public SideWindow {
    Q_OBJECT

public:
    // Shows the guide's HTML page `guideFile` with its pictures, which the page names relative to
    // itself. Restores its place (it is not shown).
    explicit Fm_Anleitung(const QString& guideFile, QWidget* parent = nullptr);
};

}  // namespace kolvenar
