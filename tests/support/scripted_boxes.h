#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/dialogs.h"

namespace test_support {

struct ExitRequested : std::logic_error {
    ExitRequested() : std::logic_error("the program was ended") {}
};

// Answers the boxes from a script and writes each one down. A box with no
// answer left and ending the program throw, so neither can pass silently.
class ScriptedBoxes : public controls::Dialogs, public controls::ProgramExit {
public:
    std::string AskText(std::string_view prompt, std::string_view title,
                        std::string_view defaultText) override {
        ++asked;
        log.push_back("ask" + std::string(title) + " [" + std::string(defaultText) + "]");
        onAsk(prompt);
        return Next(answers);
    }
    controls::Answer AskYesNo(std::string_view prompt, std::string_view title) override {
        log.push_back(std::string(title) + " " + std::string(prompt));
        return Next(yesNo);
    }
    [[noreturn]] void ExitNow() override { throw ExitRequested(); }

    std::vector<std::string> log;
    std::deque<std::string> answers;
    std::deque<controls::Answer> yesNo;
    int asked = 0;
    std::function<void(std::string_view prompt)> onAsk = [](std::string_view) {};

private:
    template <typename T>
    static T Next(std::deque<T>& queue) {
        if (queue.empty()) {
            throw std::logic_error("no answer scripted");
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace test_support
