#pragma once

#include <string>
#include <string_view>

// The user-interface operations that the main window's logic needs, kept
// behind small interfaces so that tests can script them.
namespace main_window {

inline constexpr int kYesNo = 4;  // button set of a yes/no box
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal box with an edit field that starts with the default text selected;
    // OK gives the field's text, Cancel, Escape and the close box the empty text.
    virtual std::string InputBox(std::string_view prompt, std::string_view title,
                                 std::string_view defaultText) = 0;
    // Modal Yes/No box without icon, Yes the default; gives kYes or kNo.
    virtual int MsgBox(std::string_view prompt, int buttons, std::string_view title) = 0;
};

class Program {
public:
    virtual ~Program() = default;
    // Ends the program at once: nothing after the call runs.
    [[noreturn]] virtual void End() = 0;
};

// Where a label's caption goes.
class CaptionTarget {
public:
    virtual ~CaptionTarget() = default;
    virtual void SetCaption(std::string_view utf8Text) = 0;
};

// Passes the program from one of its two windows to the other. Exactly one of
// them is loaded outside these calls.
class WindowSwitch {
public:
    virtual ~WindowSwitch() = default;
    // Loads the help window if need be, shows it and makes it active.
    virtual void ShowHelpWindow() = 0;
    // Loads a fresh main window, shows it and makes it active.
    virtual void ShowMainWindow() = 0;
};

}  // namespace main_window
