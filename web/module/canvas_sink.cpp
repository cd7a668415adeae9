#include "web/module/canvas_sink.h"

#include <cstddef>

#define PERNAM_CANVAS_IMPORT(name) __attribute__((import_module("canvas"), import_name(#name)))

extern "C" {
PERNAM_CANVAS_IMPORT(clear)
void CanvasClear(int canvas, int width, int height, double pixelRatio);
PERNAM_CANVAS_IMPORT(fill)
void CanvasFill(int canvas, int left, int top, int width, int height, int rgb);
PERNAM_CANVAS_IMPORT(print)
void CanvasPrint(int canvas, int x, int y, const char* utf8Text, std::size_t length, int fontPixels,
                 double spacing);
PERNAM_CANVAS_IMPORT(measure)
double CanvasMeasure(int canvas, const char* utf8Text, std::size_t length, int fontPixels,
                     double spacing);
}

namespace web {

void CanvasSink::Clear(form::DeviceSize area, double pixelRatio) {
    CanvasClear(canvas_, area.width, area.height, pixelRatio);
}

void CanvasSink::Fill(const form::DeviceRect& extent, engine::Rgb colour) {
    CanvasFill(canvas_, extent.left, extent.top, extent.right - extent.left + 1,
               extent.bottom - extent.top + 1,
               (colour.red << 16) | (colour.green << 8) | colour.blue);
}

void CanvasSink::Print(form::DevicePoint at, std::string_view utf8Text, int fontPixels,
                       double spacing) {
    CanvasPrint(canvas_, at.x, at.y, utf8Text.data(), utf8Text.size(), fontPixels, spacing);
}

double CanvasSink::Measure(std::string_view utf8Text, int fontPixels, double spacing) {
    return CanvasMeasure(canvas_, utf8Text.data(), utf8Text.size(), fontPixels, spacing);
}

}  // namespace web
