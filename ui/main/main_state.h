#pragma once

#include <array>
#include <string>

#include "core/elements.h"

namespace kolvenar {

// One element of the element table: its catalogue name and whether it is ticked.
struct ElementEntry {
    std::string Name;
    bool Visible = false;
};

// What the main window owns besides its controls. Index = Z; index 0 stays unused.
struct MainState {
    std::array<ElementEntry, kElementCount + 1> Elements;
    // Fraction of the last N typed into an N box, added to both ends of the N range.
    double N_Offset = 0;
    // While set, the window's change and click handlers return at once: the window is
    // changing its own controls.
    bool SuppressEvents = false;
};

// Sets SuppressEvents for a bulk change of controls, the one way the window keeps its handlers
// quiet while it sets its own controls, and clears it again afterwards.
class SuppressedEvents {
public:
    explicit SuppressedEvents(MainState& state) : state_(state), before_(state.SuppressEvents) {
        state_.SuppressEvents = true;
    }
    ~SuppressedEvents() { state_.SuppressEvents = before_; }
    SuppressedEvents(const SuppressedEvents&) = delete;
    SuppressedEvents& operator=(const SuppressedEvents&) = delete;

private:
    MainState& state_;
    bool before_;
};

}  // namespace kolvenar
