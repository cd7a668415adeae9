#pragma once

#include <string>

namespace engine {

// The mean label's pattern "#####.0": a minus sign when negative, the integer
// part without leading zeros (none at all for 0), a point and one digit,
// halfway rounding away from zero. -8.25 gives "-8.3", -0.5 "-.5", 0 ".0".
std::string FormatMean(float value);

}  // namespace engine
