// The functions the page calls, and the canvas functions it gives the module.
// Everything the two editions must agree on happens on this side: the run, the
// reading of answers, the mean's text, the drawing rule and the printed texts.
#include <array>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "engine/experiment.h"
#include "engine/fault.h"
#include "engine/frequency_graph.h"
#include "engine/uniform_generator.h"
#include "help_window/help_text.h"
#include "main_window/answer_reader.h"
#include "web/canvas_surface.h"

#define PERNAM_EXPORT(name) extern "C" __attribute__((export_name(#name)))
#define PERNAM_IMPORT(name) __attribute__((import_module("canvas"), import_name(#name)))

extern "C" {
PERNAM_IMPORT(fill)
void CanvasFill(int surface, int left, int top, int width, int height, int rgb);
PERNAM_IMPORT(print)
void CanvasPrint(int surface, int x, int y, const char* utf8Text, std::size_t length);
PERNAM_IMPORT(clear)
void CanvasClear(int surface);
}

namespace {

// The page's two picture areas; only one of them is on the page at a time.
enum Surface { kGraph = 0, kHelpText = 1, kSurfaces = 2 };

class PageCanvas final : public web::Canvas {
public:
    explicit PageCanvas(int surface) : surface_(surface) {}
    void Fill(int left, int top, int width, int height, engine::Rgb colour) override {
        CanvasFill(surface_, left, top, width, height,
                   (colour.red << 16) | (colour.green << 8) | colour.blue);
    }
    void Print(int x, int y, std::string_view utf8Text) override {
        CanvasPrint(surface_, x, y, utf8Text.data(), utf8Text.size());
    }
    void Clear() override { CanvasClear(surface_); }

private:
    int surface_;
};

// A whole run takes far less than a tick of the clock, so the page reads the
// clock once per run and every trial sees that value, as on the desktop.
class PageClock final : public engine::Clock {
public:
    explicit PageClock(float seconds) : seconds_(seconds) {}
    float SecondsSinceMidnight() override { return seconds_; }

private:
    float seconds_;
};

struct Module {
    engine::UniformGenerator random;
    engine::RunOutcome outcome;
    std::array<PageCanvas, kSurfaces> canvases{PageCanvas(kGraph), PageCanvas(kHelpText)};
    std::array<std::optional<web::CanvasSurface>, kSurfaces> surfaces;
};

Module& State() {
    static Module module;
    return module;
}

std::size_t SurfaceIndex(int surface) {
    if (surface < 0 || surface >= kSurfaces) {
        engine::StopOnFault("a picture area the page does not have");
    }
    return static_cast<std::size_t>(surface);
}

web::CanvasSurface& SurfaceAt(int surface) {
    std::optional<web::CanvasSurface>& opened = State().surfaces[SurfaceIndex(surface)];
    if (!opened) {
        engine::StopOnFault("a picture area the page has not opened");
    }
    return *opened;
}

}  // namespace

PERNAM_EXPORT(alloc) void* Alloc(std::size_t bytes) {
    return std::malloc(bytes);
}

PERNAM_EXPORT(release) void Release(void* memory) {
    std::free(memory);
}

PERNAM_EXPORT(read_answer) double ReadAnswer(const char* utf8Text, std::size_t length) {
    return main_window::ReadLeadingNumber({utf8Text, length});
}

PERNAM_EXPORT(run) void Run(int customers, int trials, float secondsSinceMidnight) {
    PageClock clock(secondsSinceMidnight);
    State().outcome = engine::RunExperiment({customers, trials}, clock, State().random);
}

PERNAM_EXPORT(tally) int Tally(int bin) {
    return State().outcome.counts(bin);
}

// Lets a test draw fixed tallies, as the desktop's tests do.
PERNAM_EXPORT(set_tally) void SetTally(int bin, int count) {
    State().outcome.counts(bin) = count;
}

PERNAM_EXPORT(mean_text) const char* MeanText() {
    return State().outcome.meanText.c_str();
}

PERNAM_EXPORT(open_surface)
void OpenSurface(int surface, int logicalWidth, int logicalHeight, double scaleWidth,
                 double scaleHeight, int fontPixels, double pixelRatio) {
    const std::size_t index = SurfaceIndex(surface);
    State().surfaces[index].emplace(
        State().canvases[index],
        web::AreaGeometry{logicalWidth, logicalHeight, scaleWidth, scaleHeight, fontPixels},
        pixelRatio);
}

PERNAM_EXPORT(surface_width) int SurfaceWidth(int surface) {
    return SurfaceAt(surface).DeviceWidth();
}

PERNAM_EXPORT(surface_height) int SurfaceHeight(int surface) {
    return SurfaceAt(surface).DeviceHeight();
}

PERNAM_EXPORT(surface_font) int SurfaceFont(int surface) {
    return SurfaceAt(surface).DeviceFontPixels();
}

PERNAM_EXPORT(clear_surface) void ClearSurface(int surface) {
    SurfaceAt(surface).Clear();
}

PERNAM_EXPORT(draw_graph) void DrawGraph() {
    engine::DrawFrequencyGraph(State().outcome.counts, SurfaceAt(kGraph));
}

PERNAM_EXPORT(print_help) void PrintHelp() {
    help_window::PrintHelpText(SurfaceAt(kHelpText));
}
