#pragma once

#include <array>
#include <string>
#include <string_view>

// What the program asks of an edition next, one step at a time, in the order
// the commands give them. Windows and controls are named as in the windows'
// tables.
namespace program {

enum class StepKind {
    Wait,              // nothing more until the user acts or answers a box
    ShowWindow,        // window: load it anew from its table, show it, make it active
    UnloadWindow,      // window: close it and discard it with everything it shows
    PlayChime,         // text: the chime's file name; not waited for
    AskCount,          // title, prompt, text (the default): the input box, for AnswerCount
    AskYesNo,          // title, prompt: the yes/no box, for AnswerYesNo
    LetInputThrough,   // handle the window events pending at this moment, once
    SetBusy,           // on: the hourglass over the main window; off: the arrow
    SetEnabled,        // control, on
    SetText,           // control, text: what a label shows
    SetSpokenName,     // control, text: what a screen reader calls the control
    SetSpokenEntries,  // control: what a screen reader reads instead of a picture's pixels
    Focus,             // control: the keyboard's focus goes to it
    End,               // the program ends here: nothing after it runs
};

// The kinds by name, in their order, for the page's declarations.
inline constexpr std::array<std::string_view, 14> kStepKindNames{
    "Wait",          "ShowWindow",       "UnloadWindow", "PlayChime",  "AskCount",
    "AskYesNo",      "LetInputThrough",  "SetBusy",      "SetEnabled", "SetText",
    "SetSpokenName", "SetSpokenEntries", "Focus",        "End"};
static_assert(kStepKindNames.size() == static_cast<std::size_t>(StepKind::End) + 1);

struct Step {
    StepKind kind = StepKind::Wait;
    std::string_view window;
    std::string_view control;
    std::string text;
    std::string_view title;
    std::string_view prompt;
    bool on = false;
};

}  // namespace program
