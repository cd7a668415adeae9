#pragma once

#include "picture/picture_surface.h"

namespace web {

// A picture's pixels on one of the page's canvases, which the page named by a
// number of its own when it gave it: what the drawing asks is handed to the
// page's canvas functions.
class CanvasSink final : public picture::Sink {
public:
    explicit CanvasSink(int canvas) : canvas_(canvas) {}

    void Clear(form::DeviceSize area, double pixelRatio) override;
    void Fill(const form::DeviceRect& extent, engine::Rgb colour) override;
    void Print(form::DevicePoint at, std::string_view utf8Text, int fontPixels,
               double spacing) override;
    double Measure(std::string_view utf8Text, int fontPixels, double spacing) override;

private:
    int canvas_;
};

}  // namespace web
