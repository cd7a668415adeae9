#include "main_window/parameter_entry.h"

#include <cmath>

#include "main_window/answer_reader.h"

namespace main_window {

int AskCount(const CountQuestion& question, Dialogs& dialogs, ProgramExit& exit) {
    for (;;) {
        const std::string answer = dialogs.AskText(question.prompt, question.title, kDefaultAnswer);
        if (answer.empty()) {
            if (dialogs.AskYesNo(kEndQuestion, "確認") == Answer::Yes) {
                exit.ExitNow();
            }
            continue;
        }
        // The bounds hold for the value as read; its whole part is taken after.
        // NaN and the infinities of out-of-range numbers fail these tests too.
        const double value = ReadLeadingNumber(answer);
        if (value >= question.range.lowest && value <= question.range.highest) {
            return static_cast<int>(std::floor(value));
        }
    }
}

}  // namespace main_window
