#include "web/canvas_surface.h"

namespace web {
namespace {

// CSS pixels are pixels at 96 dpi; the pixel ratio does the rest.
constexpr double kCssDpi = 96.0;

}  // namespace

form::PixelRect InnerArea(const form::Control& picture) {
    const form::PixelRect outer = form::TwipsToPixels(picture.place, kCssDpi);
    const int border = picture.border == form::Border::None
                           ? 0
                           : form::TwipsToPixels(form::kSunkenBorder, kCssDpi);
    return {outer.x + border, outer.y + border, outer.width - 2 * border,
            outer.height - 2 * border};
}

CanvasSurface::CanvasSurface(Canvas& canvas, const form::Control& picture, double pixelRatio)
    : canvas_(canvas),
      scale_{picture.scaleWidth, picture.scaleHeight},
      pixelRatio_(pixelRatio),
      area_(form::DeviceArea(InnerArea(picture).width, InnerArea(picture).height, pixelRatio)),
      pen_(form::PenWidth(pixelRatio)),
      fontPixels_(form::DeviceFontPixels(form::FontPixels(picture.font, kCssDpi), pixelRatio)) {}

form::DevicePoint CanvasSurface::ToDevice(double x, double y) const {
    return form::ToDevice(x, y, scale_, area_);
}

void CanvasSurface::DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    form::RasteriseLine(ToDevice(x1, y1), ToDevice(x2, y2), pen_, area_,
                        [&](const form::DeviceRect& extent) { canvas_.Fill(extent, colour); });
    currentX_ = x2;
    currentY_ = y2;
}

void CanvasSurface::DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    // Solid, as on the desktop: a bar reads better than an outline on a projector.
    form::DeviceRect extent{};
    if (form::FillExtent(ToDevice(x1, y1), ToDevice(x2, y2), pen_, area_, extent)) {
        canvas_.Fill(extent, colour);
    }
    currentX_ = x2;
    currentY_ = y2;
}

void CanvasSurface::PrintLine(std::string_view utf8Text) {
    canvas_.Print(ToDevice(currentX_, currentY_), utf8Text,
                  !spacedText_.empty() && utf8Text == spacedText_ ? textSpacing_ : spacing_);
    NewLine();
}

void CanvasSurface::NewLine() {
    // One em per line, the line height of the face the windows were laid out for.
    currentX_ = 0.0F;
    currentY_ = static_cast<float>(form::NextLineY(currentY_, fontPixels_, scale_, area_));
}

void CanvasSurface::Clear() {
    canvas_.Clear();
    currentX_ = 0.0F;
    currentY_ = 0.0F;
}

}  // namespace web
