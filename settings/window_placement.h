#pragma once

#include "core/twips.h"

class QSize;
class QString;
class QWidget;

namespace kolvenar {

class SettingsStore;

// Whether a window can change its size; a fixed window keeps its design size and is always
// in the normal state.
enum class WindowBorder { Resizable, Fixed };

// Restores position, and for a resizable window also outer size and state, from the keys
// "L", "T", "W", "H" and "WindowState" of the window's section (its objectName). The window
// stays usable on the screen it lands on: a resizable one larger than the available area
// shrinks to fill it, and a window is moved as little as keeps its top edge and a third of its
// width and height in the area. One that would lie entirely off every screen goes to the top
// left of the primary screen.
void RestoreWindowPlacement(QWidget& window, WindowBorder border, SettingsStore& store);

// Stores the window's state and, when it is not minimized, its normal position and outer size.
// A fixed window has no minimize button; one that a window manager minimized anyway is stored
// as if it had been restored first, so that it reopens where it was.
void SaveWindowPlacement(const QWidget& window, WindowBorder border, SettingsStore& store);

// Stores the placement a fixed window of `size` pixels that was restored but never shown
// would store as it closes: its place as restored, its size and the normal state.
void StoreUnshownPlacement(SettingsStore& store, const QString& section, const QSize& size);

}  // namespace kolvenar
