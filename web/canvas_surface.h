#pragma once

#include <string_view>

#include "engine/drawing_surface.h"
#include "form/layout.h"
#include "form/raster.h"

namespace web {

// What the page does with its canvases: fill a rectangle of device pixels,
// print a text with the top-left of its first character cell at a device
// pixel, and clear to the area's own background. The page supplies these as
// imported functions; tests supply a recorder.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Fill(const form::DeviceRect& extent, engine::Rgb colour) = 0;
    // `spacing` device pixels go after every character.
    virtual void Print(form::DevicePoint at, std::string_view utf8Text, double spacing) = 0;
    virtual void Clear() = 0;
};

// A picture control of a window's table drawn at a device pixel ratio, by the
// desktop's rule: user units to device pixels, lines a whole number of device
// pixels wide, text at the device's own size, one em per printed line.
class CanvasSurface final : public engine::DrawingSurface {
public:
    CanvasSurface(Canvas& canvas, const form::Control& picture, double pixelRatio);

    form::DeviceSize Area() const { return area_; }
    int DeviceFontPixels() const { return fontPixels_; }
    double PixelRatio() const { return pixelRatio_; }

    void DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    void PrintLine(std::string_view utf8Text) override;
    void NewLine() override;
    void Clear() override;

    // Device pixels after every character of every text printed, and of one
    // text alone, wherever it is printed (a text of the program's own, which
    // outlives the surface).
    void SetSpacing(double spacing) { spacing_ = spacing; }
    void SpaceOut(std::string_view text, double spacing) {
        spacedText_ = text;
        textSpacing_ = spacing;
    }

private:
    form::DevicePoint ToDevice(double x, double y) const;

    Canvas& canvas_;
    form::UserScale scale_;
    double pixelRatio_;
    form::DeviceSize area_;
    int pen_;
    int fontPixels_;
    float currentX_ = 0.0F;
    float currentY_ = 0.0F;
    double spacing_ = 0.0;
    std::string_view spacedText_;
    double textSpacing_ = 0.0;
};

// A picture's inner area in CSS pixels: its place less the sunken border.
form::PixelRect InnerArea(const form::Control& picture);

}  // namespace web
