#pragma once

#include <string_view>

#include "engine/drawing_surface.h"

namespace web {

// What the page does with its canvases: fill a rectangle of device pixels,
// print a text with the top-left of its first character cell at a device
// pixel, and clear to the area's own background. The page supplies these as
// imported functions; tests supply a recorder.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Fill(int left, int top, int width, int height, engine::Rgb colour) = 0;
    virtual void Print(int x, int y, std::string_view utf8Text) = 0;
    virtual void Clear() = 0;
};

// The size of a picture area's inner part and its user scale.
struct AreaGeometry {
    int logicalWidth;   // CSS pixels
    int logicalHeight;  // CSS pixels
    double scaleWidth;  // user units across
    double scaleHeight;
    int fontPixels;  // the area's font at one device pixel per CSS pixel
};

// A picture area drawn at device resolution, by the same rule as the
// desktop's: user units to device pixels, lines a whole number of device
// pixels wide, text at the device's own size, one em per printed line.
class CanvasSurface final : public engine::DrawingSurface {
public:
    CanvasSurface(Canvas& canvas, AreaGeometry geometry, double pixelRatio);

    int DeviceWidth() const { return width_; }
    int DeviceHeight() const { return height_; }
    int DeviceFontPixels() const { return fontPixels_; }

    void DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    void PrintLine(std::string_view utf8Text) override;
    void NewLine() override;
    void Clear() override;

private:
    struct Point {
        int x;
        int y;
    };
    Point ToDevice(double x, double y) const;
    void FillBetween(Point from, Point to, engine::Rgb colour);

    Canvas& canvas_;
    double scaleWidth_;
    double scaleHeight_;
    int width_;
    int height_;
    int penWidth_;
    int fontPixels_;
    float currentX_ = 0.0F;
    float currentY_ = 0.0F;
};

}  // namespace web
