#include "web/canvas_surface.h"

#include <algorithm>
#include <cmath>

#include "engine/fault.h"

namespace web {
namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

CanvasSurface::CanvasSurface(Canvas& canvas, AreaGeometry geometry, double pixelRatio)
    : canvas_(canvas),
      scaleWidth_(geometry.scaleWidth),
      scaleHeight_(geometry.scaleHeight),
      width_(Round(geometry.logicalWidth * pixelRatio)),
      height_(Round(geometry.logicalHeight * pixelRatio)),
      penWidth_(std::max(1, Round(pixelRatio))),
      fontPixels_(Round(geometry.fontPixels * pixelRatio)) {}

CanvasSurface::Point CanvasSurface::ToDevice(double x, double y) const {
    // Multiplied before dividing, so that a point halfway between two pixels
    // rounds the same way however the ratio of the scale is written.
    const int px = Round(x * width_ / scaleWidth_);
    const int py = Round(y * height_ / scaleHeight_);
    // The far edge of the scale is the last pixel of the area, not one beyond.
    return {px == width_ ? width_ - 1 : px, py == height_ ? height_ - 1 : py};
}

// The rectangle between two device pixels, both included, widened by the pen
// to the right and down, and cut to the area.
void CanvasSurface::FillBetween(Point from, Point to, engine::Rgb colour) {
    const int left = std::max(std::min(from.x, to.x), 0);
    const int top = std::max(std::min(from.y, to.y), 0);
    const int right = std::min(std::max(from.x, to.x) + penWidth_ - 1, width_ - 1);
    const int bottom = std::min(std::max(from.y, to.y) + penWidth_ - 1, height_ - 1);
    if (right >= left && bottom >= top) {
        canvas_.Fill(left, top, right - left + 1, bottom - top + 1, colour);
    }
}

void CanvasSurface::DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    const Point from = ToDevice(x1, y1);
    const Point to = ToDevice(x2, y2);
    if (from.x != to.x && from.y != to.y) {
        engine::StopOnFault("a slanted line, which neither window draws");
    }
    FillBetween(from, to, colour);
    currentX_ = x2;
    currentY_ = y2;
}

void CanvasSurface::DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    // Solid, as on the desktop: a bar reads better than an outline on a projector.
    FillBetween(ToDevice(x1, y1), ToDevice(x2, y2), colour);
    currentX_ = x2;
    currentY_ = y2;
}

void CanvasSurface::PrintLine(std::string_view utf8Text) {
    const Point at = ToDevice(currentX_, currentY_);
    canvas_.Print(at.x, at.y, utf8Text);
    NewLine();
}

void CanvasSurface::NewLine() {
    // One em per line, the line height of the face the windows were laid out for.
    const double perUnit = height_ / scaleHeight_;
    currentX_ = 0.0F;
    currentY_ = static_cast<float>(currentY_ + fontPixels_ / perUnit);
}

void CanvasSurface::Clear() {
    canvas_.Clear();
    currentX_ = 0.0F;
    currentY_ = 0.0F;
}

}  // namespace web
