#pragma once

namespace kolvenar {

// Positions and sizes are given in twips (1/1440 inch), as the window design and the stored
// window placements have them: 15 twips are one (device-independent) pixel at 96 dots per inch.
// Reproduced on purpose (docs/design.md, "Twips").
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int TwipsToPixels(double twips) {
    return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}

}  // namespace kolvenar
