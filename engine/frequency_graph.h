#pragma once

#include "engine/drawing_surface.h"
#include "engine/shortage_counts.h"

namespace engine {

// Draws a run's histogram on top of whatever the surface holds: axes, ticks,
// dashed and solid grid, captions, vertical labels, the 120 bars in bin order
// and the label row under the axis. Surface of 130 x 300 user units.
void DrawFrequencyGraph(const ShortageCounts& counts, DrawingSurface& picture);

}  // namespace engine
