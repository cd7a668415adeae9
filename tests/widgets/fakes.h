#pragma once

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "main_window/form1.h"

namespace widget_tests {

inline int CountPixels(const QImage& image, QRect area, QRgb colour) {
    const QImage part = image.copy(area).convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const QRgb*>(part.constBits());
    return static_cast<int>(std::count(first, first + part.width() * part.height(), colour));
}

// Pixels of `shot` from `topLeft` (device pixels, clipped to `clip`) that
// differ from `text` printed there in the area's font and text colour at the
// shot's device pixel ratio.
inline int PrintedDifferences(const QImage& shot, QPoint topLeft, QRect clip, const QWidget& area,
                              const QString& text) {
    const auto dpr = static_cast<int>(shot.devicePixelRatio());
    QFont font = area.font();
    font.setPixelSize(font.pixelSize() * dpr);
    font.setLetterSpacing(QFont::AbsoluteSpacing, font.letterSpacing() * dpr);
    const QFontMetrics metrics(font);
    QImage expected(metrics.horizontalAdvance(text), font.pixelSize(), QImage::Format_RGB32);
    expected.fill(area.palette().color(QPalette::Window));
    {
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(area.palette().color(QPalette::WindowText));
        painter.drawText(0, metrics.ascent(), text);
    }
    const QRect region = QRect(topLeft, expected.size()) & clip;
    int differences = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            differences += shot.pixel(x, y) != expected.pixel(x - topLeft.x(), y - topLeft.y());
        }
    }
    return differences;
}

// A multimedia control that writes down what it is told.
class RecordingControl final : public main_window::MultimediaControl {
public:
    explicit RecordingControl(std::vector<std::string>& log) : log_(log) {}
    void SetCommand(std::string_view word) override {
        log_.push_back("Command=" + std::string(word));
    }
    void SetFileName(std::string_view name) override {
        log_.push_back("FileName=" + std::string(name));
    }

private:
    std::vector<std::string>& log_;
};

// Everything outside the main window, scripted and written down in one log:
// chime writes, boxes and window switches. A box with no answer left and
// ending the program throw, so neither can pass silently. The re-seed before
// every trial is the one moment a test can look at the window in a run.
class Outside : public main_window::Dialogs,
                public main_window::Program,
                public main_window::WindowSwitch,
                public engine::Clock,
                public engine::RandomSource {
public:
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
        ++inputCalls;
        log.push_back("InputBox " + std::string(title) + " [" + std::string(defaultText) + "]");
        onInput(prompt);
        return Next(answers);
    }
    int MsgBox(std::string_view prompt, int buttons, std::string_view title) override {
        log.push_back("MsgBox " + std::string(prompt) + " " + std::to_string(buttons) + " " +
                      std::string(title));
        return Next(yesNo);
    }
    [[noreturn]] void End() override { throw std::logic_error("program ended"); }
    void ShowHelpWindow() override { log.emplace_back("ShowHelpWindow"); }
    void ShowMainWindow() override { log.emplace_back("ShowMainWindow"); }
    float Timer() override { return 43200.5F; }
    void Randomize(float) override { onRandomize(++randomizeCalls); }
    float Rnd() override { return 0.75F; }  // tails

    main_window::Form1Services Services() {
        return {*this, *this, *this, *this, newControl, *this};
    }

    std::vector<std::string> log;
    std::deque<std::string> answers{"35", "100"};
    std::deque<int> yesNo;
    int inputCalls = 0;
    int randomizeCalls = 0;
    std::function<void(std::string_view prompt)> onInput = [](std::string_view) {};
    std::function<void(int trial)> onRandomize = [](int) {};
    std::function<std::unique_ptr<main_window::MultimediaControl>()> newControl = [this] {
        return std::make_unique<RecordingControl>(log);
    };

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

// The main window, shown and past asking for the counts.
class ShownForm : public ::testing::Test, public Outside {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return inputCalls == 2; }));
        log.clear();
    }
    void TearDown() override { delete alive.data(); }

    main_window::Form1& form = *new main_window::Form1(Services());
    QPointer<main_window::Form1> alive{&form};
};

}  // namespace widget_tests
