#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/drawing_surface.h"
#include "form/layout.h"
#include "form/raster.h"

// A picture area's drawing, the same in both editions: user units become
// device pixels, lines a whole number of device pixels wide, texts print at
// the device's size one em apart and are spaced to the face at hand. What was
// drawn since the last clearing is kept, so that it can be drawn again at
// another pixel ratio. An edition supplies only the sink that lights its
// pixels.
namespace picture {

// What an edition does with a picture's device pixels.
class Sink {
public:
    virtual ~Sink() = default;
    // Starts a blank area of `area` device pixels in the picture's own
    // background, shown at `pixelRatio` device pixels per logical pixel.
    virtual void Clear(form::DeviceSize area, double pixelRatio) = 0;
    virtual void Fill(const form::DeviceRect& extent, engine::Rgb colour) = 0;
    // The text with the top-left of its first character cell at `at`, in the
    // picture's face and text colour at `fontPixels`, with `spacing` device
    // pixels after every character.
    virtual void Print(form::DevicePoint at, std::string_view utf8Text, int fontPixels,
                       double spacing) = 0;
    // How far such a text advances.
    virtual double Measure(std::string_view utf8Text, int fontPixels, double spacing) = 0;
};

// A picture at an edition's logical dpi: its user scale, inner area and face.
struct Geometry {
    form::UserScale scale;
    int logicalWidth;
    int logicalHeight;
    int fontPixels;  // logical pixels
    form::TextFit fit;
};
Geometry GeometryOf(const form::Control& picture, double logicalDpi);

class PictureSurface final : public engine::DrawingSurface {
public:
    // Starts blank.
    PictureSurface(const Geometry& geometry, double pixelRatio, Sink& sink);

    void DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void SetCurrentX(float x) override;
    void SetCurrentY(float y) override;
    void PrintLine(std::string_view utf8Text) override;
    void NewLine() override;
    void Clear() override;

    // Everything drawn since the last clearing, drawn again from its units at
    // another pixel ratio, as crisp as if it had been drawn there first.
    void Redraw(double pixelRatio);

    double PixelRatio() const { return pixelRatio_; }
    form::DeviceSize Area() const { return area_; }
    int DeviceFontPixels() const { return fontPixels_; }

private:
    // One call of the drawing, kept to be made again; a printed text is kept
    // beside them.
    struct Drawn {
        enum class Kind { Line, Box, CurrentX, CurrentY, Print, NewLine } kind;
        float x1 = 0.0F;
        float y1 = 0.0F;
        float x2 = 0.0F;
        float y2 = 0.0F;
        engine::Rgb colour{};
        std::size_t text = 0;
    };

    void UseRatio(double pixelRatio);
    void Replay(const Drawn& drawn);
    void Keep(const Drawn& drawn);
    form::DevicePoint ToDevice(double x, double y) const;
    double SpacingOf(std::string_view utf8Text);
    void Advance();

    Geometry geometry_;
    Sink& sink_;
    double pixelRatio_ = 1.0;
    form::DeviceSize area_{};
    int pen_ = 1;
    int fontPixels_ = 0;
    float currentX_ = 0.0F;
    float currentY_ = 0.0F;
    // The fit, worked out at the first text printed at this ratio: measuring
    // loads the face, which nothing before it needs.
    bool fitted_ = false;
    double spacing_ = 0.0;         // after every character of every text
    std::string_view spacedText_;  // a text of the program's own with a spacing of its own
    double textSpacing_ = 0.0;
    std::vector<Drawn> drawn_;
    std::vector<std::string> texts_;
    bool replaying_ = false;
};

}  // namespace picture
