#pragma once

#include <string_view>

#include "engine/drawing_surface.h"
#include "engine/shortage_counts.h"

namespace engine {

// The graph area's user scale: x from 0 to 130 left to right, y from 0 to 300
// top to bottom.
inline constexpr double kGraphWidthUnits = 130.0;
inline constexpr double kGraphHeightUnits = 300.0;

// The labels under the horizontal axis, printed from x = 1. Spaced so that
// each number falls near its tick (x = 10, 20, ..., 120) in a proportional font.
inline constexpr std::string_view kLabelRow =
    "        -110    -100     -90      -80      -70      -60     -50      -40      -30      -20"
    "      -10       0";
inline constexpr float kLabelRowX = 1.0F;
// The tick under which the label row's last number, "0", stands.
inline constexpr float kZeroTickX = 120.0F;

// Draws a run's histogram on top of whatever the surface holds: axes, ticks,
// dashed and solid grid, captions, vertical labels, the 120 bars in bin order
// and the label row under the axis.
void DrawFrequencyGraph(const ShortageCounts& counts, DrawingSurface& picture);

}  // namespace engine
