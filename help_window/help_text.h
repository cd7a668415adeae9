#pragma once

#include <array>
#include <string_view>

#include "engine/drawing_surface.h"

namespace help_window {

// The help window's text, one entry per printed line; the line breaks are
// fixed, and full-width spaces give the indents.
extern const std::array<std::string_view, 29> kHelpText;

// Prints the text from the area's top-left corner, one line per statement, on
// an area cleared first, so that every showing starts afresh.
void PrintHelpText(engine::DrawingSurface& area);

}  // namespace help_window
