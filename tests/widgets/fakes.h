#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <functional>
#include <stdexcept>

#include "main_window/form1.h"

namespace widget_tests {

inline int CountPixels(const QImage& image, QRect area, QRgb colour) {
    const QImage part = image.copy(area).convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const QRgb*>(part.constBits());
    return static_cast<int>(std::count(first, first + part.width() * part.height(), colour));
}

// The main window, shown and past asking for the counts, with the fixture
// standing in for everything outside it. Ending and any yes/no box throw, so
// neither can pass silently. The re-seed before every trial is the one moment
// a test can look at the window in the middle of a run.
class ShownForm : public ::testing::Test,
                  public main_window::Dialogs,
                  public main_window::Program,
                  public engine::Clock,
                  public engine::RandomSource {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return inputCalls == 2; }));
    }
    std::string InputBox(std::string_view, std::string_view, std::string_view) override {
        return ++inputCalls == 1 ? "35" : "100";
    }
    int MsgBox(std::string_view, int, std::string_view) override { throw std::logic_error("box"); }
    [[noreturn]] void End() override { throw std::logic_error("program ended"); }
    float Timer() override { return 43200.5F; }
    void Randomize(float) override { onRandomize(++randomizeCalls); }
    float Rnd() override { return 0.75F; }  // tails

    int inputCalls = 0;
    int randomizeCalls = 0;
    std::function<void(int trial)> onRandomize = [](int) {};
    main_window::Form1 form{{*this, *this, *this, *this}};
};

}  // namespace widget_tests
