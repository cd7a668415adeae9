#include "program/program_model.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/frequency_graph.h"
#include "engine/help_page.h"
#include "form/layout.h"
#include "form/spoken.h"
#include "form/texts.h"
#include "sound/chime_names.h"

namespace program {
namespace {

namespace texts = form::texts;

constexpr std::string_view kMain = form::kMainWindow.name;
constexpr std::string_view kHelp = form::kHelpWindow.name;
constexpr std::string_view kStart = form::ControlNamed(form::kMainWindow, "startButton").name;
constexpr std::string_view kQuit = form::ControlNamed(form::kMainWindow, "quitButton").name;
constexpr std::string_view kInitialize =
    form::ControlNamed(form::kMainWindow, "initializeButton").name;
constexpr std::string_view kHelpButton = form::ControlNamed(form::kMainWindow, "helpButton").name;
constexpr std::string_view kCustomers = form::ControlNamed(form::kMainWindow, "customerCount").name;
constexpr std::string_view kTrials = form::ControlNamed(form::kMainWindow, "trialCount").name;
constexpr std::string_view kMean = form::ControlNamed(form::kMainWindow, "meanShortage").name;
constexpr std::string_view kGraph = form::ControlNamed(form::kMainWindow, "graph").name;
constexpr std::string_view kClose = form::ControlNamed(form::kHelpWindow, "closeButton").name;
constexpr std::string_view kHelpText = form::ControlNamed(form::kHelpWindow, "helpText").name;

// The graph's rows for a screen reader, "-35　12回", as the drawing gives them.
class SpokenRows final : public engine::FrequencyTable {
public:
    explicit SpokenRows(std::vector<form::spoken::Entry>& rows) : rows_(rows) {}
    void AddRow(std::string_view axisValue, int trials) override {
        rows_.push_back({form::spoken::GraphRow(axisValue, trials), false, {}});
    }

private:
    std::vector<form::spoken::Entry>& rows_;
};

// Where the graph goes when no edition has given it pixels: its rows are
// still read.
class Unseen final : public engine::DrawingSurface {
public:
    void DrawLine(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/,
                  engine::Rgb /*colour*/) override {}
    void DrawBox(float /*x1*/, float /*y1*/, float /*x2*/, float /*y2*/,
                 engine::Rgb /*colour*/) override {}
    void SetCurrentX(float /*x*/) override {}
    void SetCurrentY(float /*y*/) override {}
    void PrintLine(std::string_view /*utf8Text*/) override {}
    void NewLine() override {}
    void Clear() override {}
};

Step Plain(StepKind kind, bool on = false) {
    Step step;
    step.kind = kind;
    step.on = on;
    return step;
}

Step WindowStep(StepKind kind, std::string_view window) {
    Step step = Plain(kind);
    step.window = window;
    return step;
}

Step ControlStep(StepKind kind, std::string_view control, std::string text = {}) {
    Step step = Plain(kind);
    step.control = control;
    step.text = std::move(text);
    return step;
}

Step Switch(StepKind kind, std::string_view control, bool on) {
    Step step = Plain(kind, on);
    step.control = control;
    return step;
}

Step Chime(std::string_view file) {
    Step step = Plain(StepKind::PlayChime);
    step.text = file;
    return step;
}

Step Box(StepKind kind, std::string_view title, std::string_view prompt, std::string text = {}) {
    Step step = Plain(kind);
    step.title = title;
    step.prompt = prompt;
    step.text = std::move(text);
    return step;
}

}  // namespace

ProgramModel::ProgramModel(engine::Clock& clock, engine::RandomSource& random)
    : clock_(clock), random_(random) {
    Then([this] { ShowMainWindow(); });
}

Step ProgramModel::Next() {
    while (!queue_.empty()) {
        auto next = std::move(queue_.front());
        queue_.pop_front();
        if (auto* step = std::get_if<Step>(&next)) {
            return std::move(*step);
        }
        // What the action queues goes before what was queued after it.
        std::deque<std::variant<Step, Action>> later;
        later.swap(queue_);
        std::get<Action>(next)();
        if (!ended_) {
            std::move(later.begin(), later.end(), std::back_inserter(queue_));
        }
    }
    return {};
}

void ProgramModel::Emit(Step step) {
    if (!ended_) {
        queue_.emplace_back(std::move(step));
    }
}

void ProgramModel::Then(Action action) {
    if (!ended_) {
        queue_.emplace_back(std::move(action));
    }
}

// Nothing of any command runs after the end.
void ProgramModel::End() {
    queue_.clear();
    Emit(Plain(StepKind::End));
    ended_ = true;
    waiting_ = Waiting::ForNothing;
}

void ProgramModel::SetEnabled(std::string_view control, bool on) {
    std::erase(disabled_, control);
    if (!on) {
        disabled_.push_back(control);
    }
    Emit(Switch(StepKind::SetEnabled, control, on));
}

bool ProgramModel::IsEnabled(std::string_view control) const {
    return std::find(disabled_.begin(), disabled_.end(), control) == disabled_.end();
}

std::optional<picture::PictureSurface>* ProgramModel::Surface(std::string_view control) {
    if (window_ == kMain && control == kGraph) {
        return &graph_;
    }
    if (window_ == kHelp && control == kHelpText) {
        return &helpText_;
    }
    return nullptr;
}

void ProgramModel::Attach(std::string_view picture, picture::Sink& sink, double logicalDpi,
                          double pixelRatio) {
    if (std::optional<picture::PictureSurface>* surface = Surface(picture)) {
        const form::WindowLayout& layout = window_ == kMain ? form::kMainWindow : form::kHelpWindow;
        for (const form::Control& control : layout.controls) {
            if (control.name == picture) {
                surface->emplace(picture::GeometryOf(control, logicalDpi), pixelRatio, sink);
            }
        }
    }
}

picture::PictureSurface* ProgramModel::Picture(std::string_view control) {
    std::optional<picture::PictureSurface>* surface = Surface(control);
    return surface != nullptr && *surface ? &**surface : nullptr;
}

const std::vector<form::spoken::Entry>& ProgramModel::SpokenEntries(
    std::string_view control) const {
    static const std::vector<form::spoken::Entry> kNone;
    return control == kGraph ? graphRows_ : control == kHelpText ? helpReading_ : kNone;
}

// Loaded anew every time: empty values, a blank graph, every button enabled,
// and both counts asked again once it is active.
void ProgramModel::ShowMainWindow() {
    window_ = kMain;
    activated_ = false;
    disabled_.clear();
    counts_.reset();
    graph_.reset();
    graphRows_.clear();
    Emit(WindowStep(StepKind::ShowWindow, kMain));
}

// Once per showing: a box closing or a return from another program does not
// make the window ask again.
void ProgramModel::Activated(std::string_view window) {
    if (window != window_ || activated_ || ended_) {
        return;
    }
    activated_ = true;
    if (window == kMain) {
        Then([this] { EnterParameters(); });
    } else {
        Then([this] { PrintHelp(); });
    }
}

void ProgramModel::Clicked(std::string_view control) {
    if (ended_ || waiting_ != Waiting::ForNothing) {
        return;
    }
    // The run lets pending input through once, as it starts, while its
    // buttons are not yet held: a command given then waits for the run's end;
    // a second start has nothing to run.
    if (running_) {
        if (control != kStart) {
            clickedDuringRun_.push_back(control);
        }
        return;
    }
    if (!IsEnabled(control)) {
        return;
    }
    if (window_ == kHelp) {
        if (control == kClose) {
            Then([this] { CloseHelp(); });
        }
    } else if (control == kStart && counts_) {
        Then([this] { Run(); });
    } else if (control == kQuit) {
        Then([this] { Quit(); });
    } else if (control == kInitialize) {
        Then([this] { Initialize(); });
    } else if (control == kHelpButton) {
        Then([this] { ShowHelp(); });
    }
}

void ProgramModel::EnterParameters() {
    entry_ = entry::ParameterEntry();
    AskNextCount();
}

void ProgramModel::AskNextCount() {
    switch (entry_.Next()) {
        case entry::EntryStep::AskCount: {
            const entry::CountQuestion& question = entry_.Question();
            Emit(Box(StepKind::AskCount, question.title, question.prompt,
                     std::string(question.defaultText)));
            waiting_ = Waiting::ForCount;
            break;
        }
        case entry::EntryStep::AskWhetherToEnd: {
            Emit(Box(StepKind::AskYesNo, texts::kEndTitle, texts::kEndQuestion));
            waiting_ = Waiting::ForEndAnswer;
            break;
        }
        case entry::EntryStep::EndProgram:
            End();
            break;
        case entry::EntryStep::Done:
            counts_ = entry_.RunSize();
            Emit(ControlStep(StepKind::Focus, kStart));
            break;
    }
}

void ProgramModel::AnswerCount(std::string_view text) {
    if (waiting_ != Waiting::ForCount) {
        return;
    }
    waiting_ = Waiting::ForNothing;
    // Shown at once, before the next box asks.
    if (const auto accepted = entry_.AnswerCount(text)) {
        const bool customers = accepted->question == &entry::kCustomerQuestion;
        Emit(ControlStep(StepKind::SetText, customers ? kCustomers : kTrials,
                         std::to_string(accepted->count)));
    }
    Then([this] { AskNextCount(); });
}

void ProgramModel::AnswerYesNo(bool yes) {
    const Waiting waited = waiting_;
    waiting_ = Waiting::ForNothing;
    if (waited == Waiting::ForEndAnswer) {
        entry_.AnswerWhetherToEnd(yes);
        Then([this] { AskNextCount(); });
    } else if (waited == Waiting::ForQuitAnswer && yes) {
        End();
    }
}

void ProgramModel::Run() {
    running_ = true;
    Emit(Plain(StepKind::LetInputThrough));
    Emit(Plain(StepKind::SetBusy, true));
    SetEnabled(kQuit, false);
    SetEnabled(kInitialize, false);
    Then([this] { RunAndShowTheMean(); });
}

void ProgramModel::RunAndShowTheMean() {
    outcome_ = engine::RunExperiment(*counts_, clock_, random_);
    Emit(ControlStep(StepKind::SetText, kMean, outcome_.meanText));
    Then([this] { DrawTheGraph(); });
}

void ProgramModel::DrawTheGraph() {
    SpokenRows rows(graphRows_);
    if (graph_) {
        engine::DrawFrequencyGraph(outcome_.tallies, *graph_, rows);
    } else {
        Unseen unseen;
        engine::DrawFrequencyGraph(outcome_.tallies, unseen, rows);
    }
    Emit(ControlStep(StepKind::SetSpokenEntries, kGraph));
    Emit(ControlStep(StepKind::SetSpokenName, kGraph,
                     form::spoken::GraphOutcome(counts_->trials, outcome_.meanText)));
    // The graph's name tells the outcome. The focus goes there from the start
    // button before it is disabled, so that it shows as the keyboard's only
    // when the keyboard started the run.
    Emit(ControlStep(StepKind::Focus, kGraph));
    SetEnabled(kStart, false);
    SetEnabled(kQuit, true);
    SetEnabled(kInitialize, true);
    Emit(Plain(StepKind::SetBusy, false));
    Then([this] {
        running_ = false;
        for (const std::string_view control : std::exchange(clickedDuringRun_, {})) {
            Clicked(control);
        }
    });
}

void ProgramModel::Quit() {
    Emit(Chime(sound::kClosingChime));
    Emit(Box(StepKind::AskYesNo, texts::kQuitTitle, texts::kEndQuestion));
    waiting_ = Waiting::ForQuitAnswer;
}

void ProgramModel::Initialize() {
    Emit(Chime(sound::kDoorChime));
    SetEnabled(kStart, true);
    Then([this] { ClearOutcome(); });
    Then([this] { EnterParameters(); });
}

void ProgramModel::ClearOutcome() {
    if (graph_) {
        graph_->Clear();
    }
    graphRows_.clear();
    Emit(ControlStep(StepKind::SetSpokenEntries, kGraph));
    Emit(ControlStep(StepKind::SetSpokenName, kGraph, std::string(texts::kGraphName)));
    Emit(ControlStep(StepKind::SetText, kTrials));
    Emit(ControlStep(StepKind::SetText, kMean));
    Emit(ControlStep(StepKind::SetText, kCustomers));
}

void ProgramModel::ShowHelp() {
    Emit(Chime(sound::kDoorChime));
    SetEnabled(kStart, true);
    Then([this] { UnloadMainWindow(); });
    Then([this] { ShowHelpWindow(); });
}

// The main window goes with everything it shows.
void ProgramModel::UnloadMainWindow() {
    graph_.reset();
    window_ = {};
    Emit(WindowStep(StepKind::UnloadWindow, kMain));
}

void ProgramModel::ShowHelpWindow() {
    window_ = kHelp;
    activated_ = false;
    disabled_.clear();
    helpText_.reset();
    helpReading_.clear();
    Emit(WindowStep(StepKind::ShowWindow, kHelp));
}

// Printed afresh at every showing, from the area's top-left corner.
void ProgramModel::PrintHelp() {
    if (helpText_) {
        engine::PrintHelpPage(*helpText_);
    }
    helpReading_ = form::spoken::HelpReading();
    Emit(ControlStep(StepKind::SetSpokenEntries, kHelpText));
}

void ProgramModel::CloseHelp() {
    helpText_.reset();
    window_ = {};
    Emit(WindowStep(StepKind::UnloadWindow, kHelp));
    Then([this] { ShowMainWindow(); });
}

}  // namespace program
