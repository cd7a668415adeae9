// The functions the page calls, and the canvas functions it gives the module.
// Everything the two editions must agree on happens on this side: the run,
// parameter entry and the reading of answers, the mean's text, the drawing
// rule, the letter spacing and the printed texts.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/experiment.h"
#include "engine/fault.h"
#include "engine/frequency_graph.h"
#include "engine/help_page.h"
#include "engine/uniform_generator.h"
#include "entry/parameter_entry.h"
#include "form/layout.h"
#include "form/letter_spacing.h"
#include "form/raster.h"
#include "form/spoken.h"
#include "form/texts.h"
#include "web/canvas_surface.h"

#define PERNAM_EXPORT(name) extern "C" __attribute__((export_name(#name)))
#define PERNAM_IMPORT(name) __attribute__((import_module("canvas"), import_name(#name)))

extern "C" {
PERNAM_IMPORT(fill)
void CanvasFill(int surface, int left, int top, int width, int height, int rgb);
PERNAM_IMPORT(print)
void CanvasPrint(int surface, int x, int y, const char* utf8Text, std::size_t length,
                 double spacing);
PERNAM_IMPORT(clear)
void CanvasClear(int surface);
// The advance of a text in the area's face at a pixel size, with `spacing`
// device pixels after every character.
PERNAM_IMPORT(measure)
double CanvasMeasure(int surface, const char* utf8Text, std::size_t length, int fontPixels,
                     double spacing);
// One row of the graph's table for a screen reader, "-35　12回".
__attribute__((import_module("screen_reader"), import_name("graph_row"))) void GraphRow(
    const char* utf8Text, std::size_t length);
}

namespace {

// The page's two picture areas; only one of them is on the page at a time.
enum Surface { kGraph = 0, kHelpText = 1, kSurfaces = 2 };

constexpr const form::Control& kGraphControl = form::ControlNamed(form::kMainWindow, "graph");
constexpr const form::Control& kHelpControl = form::ControlNamed(form::kHelpWindow, "helpText");
constexpr std::array<const form::Control*, kSurfaces> kPictures{&kGraphControl, &kHelpControl};

class PageCanvas final : public web::Canvas {
public:
    explicit PageCanvas(int surface) : surface_(surface) {}
    void Fill(const form::DeviceRect& extent, engine::Rgb colour) override {
        CanvasFill(surface_, extent.left, extent.top, extent.right - extent.left + 1,
                   extent.bottom - extent.top + 1,
                   (colour.red << 16) | (colour.green << 8) | colour.blue);
    }
    void Print(form::DevicePoint at, std::string_view utf8Text, double spacing) override {
        CanvasPrint(surface_, at.x, at.y, utf8Text.data(), utf8Text.size(), spacing);
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
    entry::ParameterEntry entry;
    std::array<PageCanvas, kSurfaces> canvases{PageCanvas(kGraph), PageCanvas(kHelpText)};
    std::array<std::optional<web::CanvasSurface>, kSurfaces> surfaces;
    std::string graphOutcome;
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

// Characters as the desktop counts them; every text here lies in the BMP.
double Characters(std::string_view utf8Text) {
    return static_cast<double>(std::count_if(utf8Text.begin(), utf8Text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
    }));
}

double Measure(int surface, std::string_view utf8Text, int fontPixels, double spacing) {
    return CanvasMeasure(surface, utf8Text.data(), utf8Text.size(), fontPixels, spacing);
}

}  // namespace

PERNAM_EXPORT(alloc) void* Alloc(std::size_t bytes) {
    return std::malloc(bytes);
}

PERNAM_EXPORT(release) void Release(void* memory) {
    std::free(memory);
}

PERNAM_EXPORT(run) void Run(int customers, int trials, float secondsSinceMidnight) {
    PageClock clock(secondsSinceMidnight);
    State().outcome = engine::RunExperiment({customers, trials}, clock, State().random);
}

PERNAM_EXPORT(tally) int Tally(int bin) {
    return State().outcome.tallies(bin);
}

// Lets the test that compares both editions' pixels draw tallies of its own.
PERNAM_EXPORT(set_tally) void SetTally(int bin, int count) {
    State().outcome.tallies(bin) = count;
}

PERNAM_EXPORT(mean_text) const char* MeanText() {
    return State().outcome.meanText.c_str();
}

// The graph's spoken name after a run of `trials` trials.
PERNAM_EXPORT(graph_outcome) const char* GraphOutcome(int trials) {
    State().graphOutcome = form::spoken::GraphOutcome(trials, State().outcome.meanText);
    return State().graphOutcome.c_str();
}

// Parameter entry from its first question.
PERNAM_EXPORT(entry_begin) void EntryBegin() {
    State().entry = entry::ParameterEntry();
}

// 0 an input box, 1 the end question, 2 both counts in, 3 the end.
PERNAM_EXPORT(entry_next) int EntryNext() {
    switch (State().entry.Next()) {
        case entry::Box::Count:
            return 0;
        case entry::Box::EndQuestion:
            return 1;
        case entry::Box::Done:
            return 2;
        case entry::Box::EndProgram:
            break;
    }
    return 3;
}

// 0 the customer question, 1 the trial question.
PERNAM_EXPORT(entry_question) int EntryQuestion() {
    return &State().entry.Question() == &entry::kCustomerQuestion ? 0 : 1;
}

// The count an answer gave, or 0 when it gave none.
PERNAM_EXPORT(entry_answer) int EntryAnswer(const char* utf8Text, std::size_t length) {
    const std::optional<entry::AcceptedCount> accepted = State().entry.Answer({utf8Text, length});
    return accepted ? accepted->count : 0;
}

PERNAM_EXPORT(entry_answer_end) void EntryAnswerEnd(int yes) {
    State().entry.AnswerEnd(yes != 0);
}

PERNAM_EXPORT(entry_customers) int EntryCustomers() {
    return State().entry.RunSize().customers;
}

PERNAM_EXPORT(entry_trials) int EntryTrials() {
    return State().entry.RunSize().trials;
}

PERNAM_EXPORT(open_surface) void OpenSurface(int surface, double pixelRatio) {
    const std::size_t index = SurfaceIndex(surface);
    State().surfaces[index].emplace(State().canvases[index], *kPictures[index], pixelRatio);
}

PERNAM_EXPORT(surface_width) int SurfaceWidth(int surface) {
    return SurfaceAt(surface).Area().width;
}

PERNAM_EXPORT(surface_height) int SurfaceHeight(int surface) {
    return SurfaceAt(surface).Area().height;
}

PERNAM_EXPORT(surface_font) int SurfaceFont(int surface) {
    return SurfaceAt(surface).DeviceFontPixels();
}

PERNAM_EXPORT(clear_surface) void ClearSurface(int surface) {
    SurfaceAt(surface).Clear();
}

// The graph's rows go to the page's table for screen readers as they are drawn.
class PageTable final : public engine::FrequencyTable {
public:
    void AddRow(std::string_view axisValue, int trials) override {
        const std::string row = form::spoken::GraphRow(axisValue, trials);
        GraphRow(row.data(), row.size());
    }
};

PERNAM_EXPORT(draw_graph) void DrawGraph() {
    PageTable table;
    engine::DrawFrequencyGraph(State().outcome.tallies, SurfaceAt(kGraph), table);
}

PERNAM_EXPORT(print_help) void PrintHelp() {
    engine::PrintHelpPage(SurfaceAt(kHelpText));
}

// The label row alone spaced out until its "0" is centred under its tick,
// worked out, as on the desktop, from the face's widths. They are measured at
// the size the row is printed in, in device pixels: a browser that hints its
// glyphs does not scale a text's width with the pixel ratio.
PERNAM_EXPORT(space_label_row) void SpaceLabelRow() {
    web::CanvasSurface& graph = SurfaceAt(kGraph);
    const int fontPixels = graph.DeviceFontPixels();
    const std::string_view row = form::texts::kLabelRow;
    const std::string_view lead = row.substr(0, row.size() - 1);
    const double perUnit = graph.Area().width / engine::kGraphWidthUnits;
    graph.SpaceOut(row, form::SpacingToCentreLast(
                            engine::kLabelRowX * perUnit, Measure(kGraph, lead, fontPixels, 0.0),
                            Measure(kGraph, row.substr(row.size() - 1), fontPixels, 0.0),
                            Characters(lead), engine::kZeroTickX * perUnit));
}

// Every help line spaced alike, so that the widest ends inside the area in
// the face at hand.
PERNAM_EXPORT(fit_help_text) void FitHelpText() {
    web::CanvasSurface& area = SurfaceAt(kHelpText);
    const double room = (web::InnerArea(kHelpControl).width - form::help_window::kTextRightMargin) *
                        area.PixelRatio();
    area.SetSpacing(form::SpacingToFit(room, [&](double spacing) {
        form::Measured widest{0.0, 1.0};
        for (const std::string_view line : form::texts::kHelpText) {
            const double width = Measure(kHelpText, line, area.DeviceFontPixels(), spacing);
            if (width > widest.width) {
                widest = {width, Characters(line)};
            }
        }
        return widest;
    }));
}

// Where a window's edge goes along one axis of a viewport `available` long:
// unchanged when the window fits there, otherwise moved the least distance
// that brings it in; a window longer than the viewport keeps its start in view.
PERNAM_EXPORT(place_within) int PlaceWithin(int start, int length, int available) {
    return form::PlaceWithin(start, length, 0, available);
}

// The largest run and its drawing once, with a generator, clock and canvas of
// their own that nothing sees: the browser optimises the module's hot code
// after its first calls, and the first click should find it done.
PERNAM_EXPORT(warm_up) void WarmUp() {
    class Unseen final : public web::Canvas {
    public:
        void Fill(const form::DeviceRect& /*extent*/, engine::Rgb /*colour*/) override {}
        void Print(form::DevicePoint /*at*/, std::string_view /*utf8Text*/,
                   double /*spacing*/) override {}
        void Clear() override {}
    };
    class UnreadTable final : public engine::FrequencyTable {
    public:
        void AddRow(std::string_view /*axisValue*/, int /*trials*/) override {}
    };
    PageClock clock(0.0F);
    engine::UniformGenerator random;
    Unseen canvas;
    web::CanvasSurface surface(canvas, kGraphControl, 1.0);
    const engine::RunOutcome outcome = engine::RunExperiment(
        {engine::kCustomerRange.highest, engine::kTrialRange.highest}, clock, random);
    UnreadTable table;
    engine::DrawFrequencyGraph(outcome.tallies, surface, table);
}
