#include "engine/drawing_surface.h"

#include <array>

#include "engine/checked.h"

namespace engine {

Rgb QBColor(int index) {
    static constexpr std::array<Rgb, 16> kPalette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    CheckIndex(index, 0, 15);
    return kPalette[static_cast<std::size_t>(index)];
}

}  // namespace engine
