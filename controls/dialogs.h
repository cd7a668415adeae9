#pragma once

#include <string>
#include <string_view>

// The modal boxes and the end of the program, behind small interfaces so
// that the windows' logic can be tried with scripted answers.
namespace controls {

enum class Answer { Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal box with an edit field that starts with the default text selected;
    // OK gives the field's text, Cancel, Escape and the close box the empty text.
    virtual std::string AskText(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) = 0;
    // Modal Yes/No box without icon, Yes the default; no other way out.
    virtual Answer AskYesNo(std::string_view prompt, std::string_view title) = 0;
};

class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    // Ends the program at once: nothing after the call runs.
    [[noreturn]] virtual void ExitNow() = 0;
};

}  // namespace controls
