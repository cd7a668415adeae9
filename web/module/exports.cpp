// The functions the page calls. Each hands over to the program or its
// pictures and decides nothing: the page takes the program's steps one at a
// time, reading each step's parts by name, and tells the program what the
// user did. Texts cross as UTF-8, from the page in memory it allocates here,
// to the page as NUL-terminated strings that stay valid until the next call.
#include <cstddef>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "engine/experiment.h"
#include "engine/frequency_graph.h"
#include "engine/uniform_generator.h"
#include "form/layout.h"
#include "form/raster.h"
#include "program/program_model.h"
#include "web/module/canvas_sink.h"

#define PERNAM_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace {

// A whole run takes far less than a tick of the clock, so the page reads the
// clock once per click and every trial sees that value, as on the desktop.
class PageClock final : public engine::Clock {
public:
    float SecondsSinceMidnight() override { return seconds; }
    float seconds = 0.0F;
};

struct Module {
    engine::UniformGenerator random;
    PageClock clock;
    program::ProgramModel program{clock, random};
    program::Step step;
    // One sink per picture: the program keeps its surface on it while the
    // picture's window is on screen.
    std::map<std::string, web::CanvasSink, std::less<>> sinks;
    std::string window;
    std::string control;
    std::string title;
    std::string prompt;
    std::string entry;
};

Module& State() {
    static Module module;
    return module;
}

std::string_view Text(const char* utf8Text, std::size_t length) {
    return {utf8Text, length};
}

const char* Terminated(std::string& keep, std::string_view text) {
    keep = text;
    return keep.c_str();
}

}  // namespace

PERNAM_EXPORT(alloc) void* Alloc(std::size_t bytes) {
    return std::malloc(bytes);
}

PERNAM_EXPORT(release) void Release(void* memory) {
    std::free(memory);
}

// The program's next step, by its kind; Wait when it waits for the user.
PERNAM_EXPORT(next_step) int NextStep() {
    State().step = State().program.Next();
    return static_cast<int>(State().step.kind);
}

PERNAM_EXPORT(step_window) const char* StepWindow() {
    return Terminated(State().window, State().step.window);
}

PERNAM_EXPORT(step_control) const char* StepControl() {
    return Terminated(State().control, State().step.control);
}

PERNAM_EXPORT(step_text) const char* StepText() {
    return State().step.text.c_str();
}

PERNAM_EXPORT(step_title) const char* StepTitle() {
    return Terminated(State().title, State().step.title);
}

PERNAM_EXPORT(step_prompt) const char* StepPrompt() {
    return Terminated(State().prompt, State().step.prompt);
}

PERNAM_EXPORT(step_on) int StepOn() {
    return State().step.on ? 1 : 0;
}

// A picture of the window just shown draws on the page's canvas of that
// number, at 96 dpi and the device's pixel ratio.
PERNAM_EXPORT(attach)
void Attach(const char* picture, std::size_t length, int canvas, double pixelRatio) {
    const std::string_view name = Text(picture, length);
    auto [sink, added] = State().sinks.try_emplace(std::string(name), canvas);
    if (!added) {
        sink->second = web::CanvasSink(canvas);
    }
    State().program.Attach(name, sink->second, 96.0, pixelRatio);
}

// A picture drawn again from what it holds, at a pixel ratio, as its window
// moves to another screen, the page is zoomed or the colours change.
PERNAM_EXPORT(redraw) void Redraw(const char* picture, std::size_t length, double pixelRatio) {
    if (picture::PictureSurface* surface = State().program.Picture(Text(picture, length))) {
        surface->Redraw(pixelRatio);
    }
}

PERNAM_EXPORT(activated) void Activated(const char* window, std::size_t length) {
    State().program.Activated(Text(window, length));
}

PERNAM_EXPORT(clicked)
void Clicked(const char* control, std::size_t length, float secondsSinceMidnight) {
    State().clock.seconds = secondsSinceMidnight;
    State().program.Clicked(Text(control, length));
}

PERNAM_EXPORT(answer_count) void AnswerCount(const char* utf8Text, std::size_t length) {
    State().program.AnswerCount(Text(utf8Text, length));
}

PERNAM_EXPORT(answer_yes_no) void AnswerYesNo(int yes) {
    State().program.AnswerYesNo(yes != 0);
}

// What a screen reader reads instead of a picture's pixels, an entry at a time.
PERNAM_EXPORT(spoken_count) int SpokenCount(const char* picture, std::size_t length) {
    return static_cast<int>(State().program.SpokenEntries(Text(picture, length)).size());
}

PERNAM_EXPORT(spoken_entry)
const char* SpokenEntry(const char* picture, std::size_t length, int index) {
    const auto& entries = State().program.SpokenEntries(Text(picture, length));
    return Terminated(State().entry, entries.at(static_cast<std::size_t>(index)).text);
}

// Whether that entry is a heading.
PERNAM_EXPORT(spoken_heading)
int SpokenHeading(const char* picture, std::size_t length, int index) {
    const auto& entries = State().program.SpokenEntries(Text(picture, length));
    return entries.at(static_cast<std::size_t>(index)).heading ? 1 : 0;
}

// Where a window's edge goes along one axis of a viewport `available` long:
// unchanged when the window fits there, otherwise moved the least distance
// that brings it in; a window longer than the viewport keeps its start in view.
PERNAM_EXPORT(place_within) int PlaceWithin(int start, int length, int available) {
    return form::PlaceWithin(start, length, 0, available);
}

// The largest run and its drawing once, with a generator, clock and sink of
// their own that nothing sees: the browser optimises the module's hot code
// after its first calls, and the first click should find it done.
PERNAM_EXPORT(warm_up) void WarmUp() {
    class Unseen final : public picture::Sink {
    public:
        void Clear(form::DeviceSize /*area*/, double /*pixelRatio*/) override {}
        void Fill(const form::DeviceRect& /*extent*/, engine::Rgb /*colour*/) override {}
        void Print(form::DevicePoint /*at*/, std::string_view /*utf8Text*/, int /*fontPixels*/,
                   double /*spacing*/) override {}
        double Measure(std::string_view /*utf8Text*/, int /*fontPixels*/,
                       double /*spacing*/) override {
            return 0.0;
        }
    };
    class UnreadTable final : public engine::FrequencyTable {
    public:
        void AddRow(std::string_view /*axisValue*/, int /*trials*/) override {}
    };
    PageClock clock;
    engine::UniformGenerator random;
    Unseen sink;
    picture::PictureSurface surface(
        picture::GeometryOf(form::ControlNamed(form::kMainWindow, "graph"), 96.0), 1.0, sink);
    const engine::RunOutcome outcome = engine::RunExperiment(
        {engine::kCustomerRange.highest, engine::kTrialRange.highest}, clock, random);
    UnreadTable table;
    engine::DrawFrequencyGraph(outcome.tallies, surface, table);
}
