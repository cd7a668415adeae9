#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/clock.h"
#include "engine/experiment.h"
#include "engine/random_source.h"
#include "entry/parameter_entry.h"
#include "form/spoken.h"
#include "picture/picture_surface.h"
#include "program/step.h"

// The program itself, for both editions: its two windows, of which one is
// loaded at a time, their commands and what they show. An edition takes the
// steps Next() gives until it gives Wait, and tells the model what the user
// did: a button clicked, a box answered, a window become active. It decides
// nothing itself.
namespace program {

class ProgramModel {
public:
    // The first step shows the main window.
    ProgramModel(engine::Clock& clock, engine::RandomSource& random);

    Step Next();

    // A picture of the window just shown draws into the edition's sink, at
    // its logical dpi and pixel ratio.
    void Attach(std::string_view picture, picture::Sink& sink, double logicalDpi,
                double pixelRatio);
    // A window the model showed became the active window.
    void Activated(std::string_view window);
    // A button of the window on screen was pressed.
    void Clicked(std::string_view control);
    // The input box's text; empty for Cancel, Escape and the close box.
    void AnswerCount(std::string_view text);
    void AnswerYesNo(bool yes);

    // A picture of the window on screen, to draw again at another pixel
    // ratio; null when the window on screen has none of that name.
    picture::PictureSurface* Picture(std::string_view control);
    // What a screen reader reads instead of a picture's pixels: the graph's
    // bars, or the help text's headings and sentences.
    const std::vector<form::spoken::Entry>& SpokenEntries(std::string_view control) const;

private:
    using Action = std::function<void()>;
    enum class Waiting { ForNothing, ForCount, ForEndAnswer, ForQuitAnswer };

    void Emit(Step step);
    void Then(Action action);
    void End();
    void SetEnabled(std::string_view control, bool on);
    bool IsEnabled(std::string_view control) const;
    std::optional<picture::PictureSurface>* Surface(std::string_view control);

    void ShowMainWindow();
    void EnterParameters();
    void AskNextCount();
    void Run();
    void RunAndShowTheMean();
    void DrawTheGraph();
    void Quit();
    void Initialize();
    void ClearOutcome();
    void ShowHelp();
    void UnloadMainWindow();
    void ShowHelpWindow();
    void PrintHelp();
    void CloseHelp();

    engine::Clock& clock_;
    engine::RandomSource& random_;
    // Steps to give and actions to run when Next() comes to them; what an
    // action adds comes before whatever was queued after it.
    std::deque<std::variant<Step, Action>> queue_;
    Waiting waiting_ = Waiting::ForNothing;
    bool ended_ = false;

    std::string_view window_;  // the window on screen, empty between two
    bool activated_ = false;

    // The main window, as loaded afresh.
    std::vector<std::string_view> disabled_;
    entry::ParameterEntry entry_;
    std::optional<engine::RunSize> counts_;
    engine::RunOutcome outcome_;
    bool running_ = false;
    std::vector<std::string_view> clickedDuringRun_;
    std::optional<picture::PictureSurface> graph_;
    std::vector<form::spoken::Entry> graphRows_;

    // The help window.
    std::optional<picture::PictureSurface> helpText_;
    std::vector<form::spoken::Entry> helpReading_;
};

}  // namespace program
