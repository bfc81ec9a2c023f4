#pragma once

#include <array>

#include "core/elements.h"
#include "core/units.h"

namespace kolvenar {

// Everything one run of the table builder reads from the main window, taken at the start of
// the run.
struct TableRequest {
    bool searchMode = false;
    // The N range as the two bars give it, and the fraction added to every N.
    double nFromScroll = 0;
    double nToScroll = 0;
    double nOffset = 0;

    // The unit of each quantity, the row chosen in its unit list.
    std::array<UnitRow, kQuantityCount> units{kNoUnit, kNoUnit, kNoUnit, kNoUnit, kNoUnit};
    double wunschfaktorF = 0;
    double wunschfaktorL = 0;
    std::array<bool, kQuantityCount> quantityShown{};
    bool showAHalf = false;
    bool showVHalf = false;
    bool showVQuarter = false;
    bool rounding = true;
    double cx = 1;

    // Index = Z; index 0 unused.
    std::array<bool, kElementCount + 1> elementChosen{};

    // Search mode: per cent, and the typed values of f, L, T, A, V in their units (0 = none).
    double tolerance = 0;
    std::array<double, kQuantityCount> searchValues{};
    // Whether a search shows which test each row passed best, and by how much.
    bool showDeviation = false;
};

}  // namespace kolvenar
