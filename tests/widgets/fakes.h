#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/random_source.h"
#include "main_window/ui_ports.h"

namespace widget_tests {

// Ending must never pass silently in a test.
class ThrowingProgram final : public main_window::Program {
public:
    [[noreturn]] void End() override { throw std::logic_error("program ended"); }
};

class FixedClock final : public engine::Clock {
public:
    float Timer() override { return 43200.5F; }
};

// Running out of answers fails, yet still answers validly so that parameter
// entry cannot loop forever.
class ScriptedDialogs final : public main_window::Dialogs {
public:
    explicit ScriptedDialogs(std::vector<std::string> answers) : answers_(std::move(answers)) {}
    std::string InputBox(std::string_view prompt, std::string_view, std::string_view) override {
        const auto n = static_cast<std::size_t>(inputCalls++);
        if (n < answers_.size()) {
            return answers_[n];
        }
        ADD_FAILURE() << "unexpected input box: " << prompt;
        return "100";
    }
    int MsgBox(std::string_view prompt, int, std::string_view) override {
        ADD_FAILURE() << "unexpected message box: " << prompt;
        return main_window::kNo;
    }
    int inputCalls = 0;

private:
    std::vector<std::string> answers_;
};

// Cycles through its draws. The re-seed before every trial is the one moment
// a test can look at the window in the middle of a run.
class ScriptedRandom final : public engine::RandomSource {
public:
    void Randomize(float) override {
        ++randomizeCalls;
        if (onRandomize) {
            onRandomize();
        }
    }
    float Rnd() override { return draws[next_++ % draws.size()]; }
    std::vector<float> draws{0.75F};  // tails
    int randomizeCalls = 0;
    std::function<void()> onRandomize;

private:
    std::size_t next_ = 0;
};

// How many pixels of an area have exactly this colour.
inline int CountPixels(const QImage& image, QRect area, QRgb colour) {
    area &= image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace widget_tests
