#include "engine/help_page.h"

#include <string_view>

#include "form/texts.h"

namespace engine {

void PrintHelpPage(DrawingSurface& area) {
    area.Clear();
    for (const std::string_view line : form::texts::kHelpText) {
        if (line.empty()) {
            area.NewLine();
        } else {
            area.PrintLine(line);
        }
    }
}

}  // namespace engine
