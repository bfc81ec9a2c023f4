#pragma once

namespace kolvenar {

// What the main window owns besides its controls, shared by its panels.
struct MainState {
    // Fraction of the last N typed into an N box, added to both ends of the N range.
    double N_Offset = 0;
    // While set, the window's change and click handlers return at once: the window is
    // changing its own controls (SuppressedEvents).
    bool SuppressEvents = false;
};

}  // namespace kolvenar
