#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "picture/picture_surface.h"
#include "picture/text_fit.h"

namespace test_support {

// A picture's device pixels in memory, lit by the shared rule alone: the
// colours filled, over a grey background. Texts light nothing; they are kept
// as asked for, in a face whose every character is `emsPerCharacter` wide.
class RasterSink final : public picture::Sink {
public:
    struct Printed {
        form::DevicePoint at;
        std::string text;
        int fontPixels;
        double spacing;
        friend bool operator==(const Printed&, const Printed&) = default;
    };
    static constexpr engine::Rgb kBackground{192, 192, 192};

    void Clear(form::DeviceSize area, double /*pixelRatio*/) override {
        width = area.width;
        height = area.height;
        pixels.assign(static_cast<std::size_t>(width * height), kBackground);
        printed.clear();
        cleared();
    }
    void Fill(const form::DeviceRect& extent, engine::Rgb colour) override {
        for (int y = extent.top; y <= extent.bottom; ++y) {
            for (int x = extent.left; x <= extent.right; ++x) {
                pixels[static_cast<std::size_t>(y * width + x)] = colour;
            }
        }
    }
    void Print(form::DevicePoint at, std::string_view utf8Text, int fontPixels,
               double spacing) override {
        printed.push_back({at, std::string(utf8Text), fontPixels, spacing});
    }
    double Measure(std::string_view utf8Text, int fontPixels, double spacing) override {
        ++measured;
        return picture::Characters(utf8Text) * (fontPixels * emsPerCharacter + spacing);
    }

    engine::Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // Nothing drawn or printed since the last clearing.
    bool Blank() const {
        return printed.empty() && std::all_of(pixels.begin(), pixels.end(), [](engine::Rgb pixel) {
                   return pixel == kBackground;
               });
    }
    // Each pixel as black (k), light blue (b) or anything else (.), row by row.
    std::string Classes() const {
        std::string classes;
        for (const engine::Rgb pixel : pixels) {
            classes += pixel == engine::kBlack ? 'k' : pixel == engine::kLightBlue ? 'b' : '.';
        }
        return classes;
    }

    int width = 0;
    int height = 0;
    std::vector<engine::Rgb> pixels;
    std::vector<Printed> printed;
    int measured = 0;
    double emsPerCharacter = 0.5;
    std::function<void()> cleared = [] {};
};

}  // namespace test_support
