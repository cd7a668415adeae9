#pragma once

#include <algorithm>
#include <cstdlib>

#include "form/layout.h"

// How twips become pixels and how a picture's user units become device
// pixels: one rule for both editions, so that the same drawing operations
// light the same pixels.
namespace form {

// Where a window's edge at `start`, `length` long, goes to lie within an
// area from `areaStart`, `areaLength` long: unchanged when it already does,
// else moved the least distance; in an area too small its start stays seen.
constexpr int PlaceWithin(int start, int length, int areaStart, int areaLength) {
    return std::max(std::min(start, areaStart + areaLength - length), areaStart);
}

// Pixels of a window's layout at a logical dpi (96 on an ordinary screen).
int TwipsToPixels(int twips, double logicalDpi);

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
// Position and far edge are rounded separately, so that controls which touch
// in twips still touch in pixels.
PixelRect TwipsToPixels(TwipsRect place, double logicalDpi);
// A font's pixel size at a logical dpi.
int FontPixels(Font font, double logicalDpi);
// A picture's inner area in logical pixels at a logical dpi: its place less
// its border.
PixelRect InnerArea(const Control& picture, double logicalDpi);

struct DeviceSize {
    int width;
    int height;
};
struct DevicePoint {
    int x;
    int y;
    friend bool operator==(DevicePoint, DevicePoint) = default;
};
// Device pixels from `left` to `right` and `top` to `bottom`, all included.
struct DeviceRect {
    int left;
    int top;
    int right;
    int bottom;
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// A picture's inner area of logical pixels drawn at a device pixel ratio.
DeviceSize DeviceArea(int logicalWidth, int logicalHeight, double pixelRatio);

// A picture's user scale on its device area.
struct UserScale {
    double width;
    double height;
};

// The device pixel of a point in user units; the far edge of the scale is the
// area's last pixel, not one beyond.
DevicePoint ToDevice(double x, double y, UserScale scale, DeviceSize area);

// Lines are a whole number of device pixels wide, so they stay crisp.
int PenWidth(double pixelRatio);

// A text's pixel size on the device.
int DeviceFontPixels(int logicalPixels, double pixelRatio);

// The user y one printed line further down, for a line of `lineHeight`
// device pixels.
double NextLineY(double y, int lineHeight, UserScale scale, DeviceSize area);

// The rectangle between two device pixels, both included, widened by the pen
// to the right and down and cut to the area; false when nothing of it is left.
bool FillExtent(DevicePoint from, DevicePoint to, int pen, DeviceSize area, DeviceRect& extent);

// Calls fill(DeviceRect) for the pixels of a line from one device pixel to
// another: one rectangle for a line along an axis, one pen square per step of
// the line otherwise.
template <typename Fill>
void RasteriseLine(DevicePoint from, DevicePoint to, int pen, DeviceSize area, Fill&& fill) {
    DeviceRect extent{};
    if (from.x == to.x || from.y == to.y) {
        if (FillExtent(from, to, pen, area, extent)) {
            fill(extent);
        }
        return;
    }
    // Bresenham's walk: each step moves along the longer axis and along the
    // shorter one whenever the error has built up half a pixel.
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    DevicePoint at = from;
    for (int step = std::max(dx, -dy); step >= 0; --step) {
        if (FillExtent(at, at, pen, area, extent)) {
            fill(extent);
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.y += stepY;
        }
    }
}

}  // namespace form
