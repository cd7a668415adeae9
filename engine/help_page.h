#pragma once

#include "engine/drawing_surface.h"

namespace engine {

// Prints the help text from the area's top-left corner, one line per
// statement, on an area cleared first, so that every showing starts afresh.
void PrintHelpPage(DrawingSurface& area);

}  // namespace engine
