#pragma once

#include <string_view>

#include "engine/drawing_surface.h"
#include "engine/shortage_tallies.h"
#include "form/layout.h"

namespace engine {

// The graph area's user scale, from its layout.
inline constexpr double kGraphWidthUnits = form::kGraphWidthUnits;
inline constexpr double kGraphHeightUnits = form::kGraphHeightUnits;

// Where the graph's parts stand, in its units.
inline constexpr int kBaseline = 280;      // a count of 0; a count of N reaches up to 280 - N
inline constexpr int kAxisTop = 10;        // the vertical axis ends at a count of 270
inline constexpr int kAxisLeft = 3;        // the vertical axis
inline constexpr int kAxisRight = 127;     // the horizontal axis's right end
inline constexpr float kLabelRowX = 1.0F;  // the label row under the axis starts here
// The tick under which the label row's last number, "0", stands.
inline constexpr float kZeroTickX = 120.0F;
// Bin n's bar spans one unit from here: n + 4 to n + 5.
constexpr int BarLeft(int bin) {
    return bin + 4;
}

// The graph in words for those who cannot see it, a second rendering of the
// drawing step beside the pixels: a row for each bar that stands above the
// axis, left to right, with its value on the horizontal axis ("-35", the open
// bins "-115以下" and "4以上") and its number of trials.
class FrequencyTable {
public:
    virtual ~FrequencyTable() = default;
    virtual void AddRow(std::string_view axisValue, int trials) = 0;
};

// Draws a run's histogram on top of whatever the surface holds: axes, ticks,
// dashed and solid grid, captions, vertical labels, the 120 bars in bin order
// and the label row under the axis; each bar with trials also goes to the
// table.
void DrawFrequencyGraph(const ShortageTallies& tallies, DrawingSurface& picture,
                        FrequencyTable& table);

}  // namespace engine
