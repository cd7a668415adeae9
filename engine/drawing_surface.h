#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(Rgb, Rgb) = default;
};

// The two colours of the graph, from the 16-colour palette of the classroom
// machines.
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kLightBlue{0, 0, 255};

// A picture area with a user scale and a current point. Coordinates are user
// units.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // One-pixel solid line; the current point ends at (x2, y2).
    virtual void DrawLine(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    // Axis-parallel box with corners (x1, y1) and (x2, y2), both included; the
    // current point ends at (x2, y2).
    virtual void DrawBox(float x1, float y1, float x2, float y2, Rgb colour) = 0;
    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    // Text with the top-left of its first character cell at the current point,
    // then the current point moves to x = 0, one text line down.
    virtual void PrintLine(std::string_view utf8Text) = 0;
    // Only the move to the start of the next line.
    virtual void NewLine() = 0;
    // Erases everything and puts the current point back to (0, 0).
    virtual void Clear() = 0;
};

}  // namespace engine
