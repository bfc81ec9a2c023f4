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
// "L", "T", "W", "H" and "WindowState" of the window's section (its objectName). A window that
// would lie entirely off every screen is moved onto the primary screen.
void RestoreWindowPlacement(QWidget& window, WindowBorder border, SettingsStore& store);

// Stores the window's state and, when it is not minimized, its normal position and outer size.
// A fixed window has no minimize button; one that a window manager minimized anyway is stored
// as if it had been restored first, so that it reopens where it was.
void SaveWindowPlacement(const QWidget& window, WindowBorder border, SettingsStore& store);

// Stores the placement a fixed window of `size` pixels that was restored but never shown
// would store as it closes: its place as restored, its size and the normal state.
void StoreUnshownPlacement(SettingsStore& store, const QString& section, const QSize& size);

}  // namespace kolvenar
