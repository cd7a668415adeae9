#pragma once

#include <string_view>

namespace sound {

// The chimes of the commands, by file name.
inline constexpr std::string_view kDoorChime = "pinpon.wav";
inline constexpr std::string_view kClosingChime = "endpinpon.wav";

}  // namespace sound
