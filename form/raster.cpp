#include "form/raster.h"

#include <cmath>

namespace form {
namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

double DpiScale(double logicalDpi) {
    return logicalDpi / 96.0;
}

}  // namespace

int TwipsToPixels(int twips, double logicalDpi) {
    return Round(twips / 15.0 * DpiScale(logicalDpi));
}

PixelRect TwipsToPixels(TwipsRect place, double logicalDpi) {
    const int x = TwipsToPixels(place.left, logicalDpi);
    const int y = TwipsToPixels(place.top, logicalDpi);
    return {x, y, TwipsToPixels(place.left + place.width, logicalDpi) - x,
            TwipsToPixels(place.top + place.height, logicalDpi) - y};
}

int FontPixels(Font font, double logicalDpi) {
    return Round(font.pixelsAt96Dpi * DpiScale(logicalDpi));
}

PixelRect InnerArea(const Control& picture, double logicalDpi) {
    const PixelRect outer = TwipsToPixels(picture.place, logicalDpi);
    const int border = picture.border == Border::Sunken ? kSunkenBorderPixels
                       : picture.border == Border::Flat ? 1
                                                        : 0;
    return {outer.x + border, outer.y + border, outer.width - 2 * border,
            outer.height - 2 * border};
}

DeviceSize DeviceArea(int logicalWidth, int logicalHeight, double pixelRatio) {
    return {Round(logicalWidth * pixelRatio), Round(logicalHeight * pixelRatio)};
}

DevicePoint ToDevice(double x, double y, UserScale scale, DeviceSize area) {
    // Multiplied before dividing: 105 units of 533 / 130 pixels must come out
    // at 430.5 and round up, not at 430.4999... through an inexact 4.1.
    const int px = Round(x * area.width / scale.width);
    const int py = Round(y * area.height / scale.height);
    return {px == area.width ? area.width - 1 : px, py == area.height ? area.height - 1 : py};
}

int PenWidth(double pixelRatio) {
    return std::max(1, Round(pixelRatio));
}

int DeviceFontPixels(int logicalPixels, double pixelRatio) {
    return Round(logicalPixels * pixelRatio);
}

double NextLineY(double y, int lineHeight, UserScale scale, DeviceSize area) {
    const double perUnit = area.height / scale.height;  // device pixels per unit, down
    return y + lineHeight / perUnit;
}

bool FillExtent(DevicePoint from, DevicePoint to, int pen, DeviceSize area, DeviceRect& extent) {
    extent.left = std::max(std::min(from.x, to.x), 0);
    extent.top = std::max(std::min(from.y, to.y), 0);
    extent.right = std::min(std::max(from.x, to.x) + pen - 1, area.width - 1);
    extent.bottom = std::min(std::max(from.y, to.y) + pen - 1, area.height - 1);
    return extent.left <= extent.right && extent.top <= extent.bottom;
}

}  // namespace form
