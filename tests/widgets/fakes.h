#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <deque>
#include <functional>
#include <stdexcept>

#include "app/program_shell.h"
#include "controls/dialogs.h"
#include "controls/picture_area.h"

namespace widget_tests {

// A child widget by its object name; throws when it is not there.
template <typename T = QWidget>
T* Child(const QWidget* window, const char* name) {
    if (T* child = window->findChild<T*>(QLatin1String(name))) {
        return child;
    }
    throw std::logic_error(std::string("no widget ") + name);
}

inline QString Text(const QWidget* window, const char* label) {
    return Child<QLabel>(window, label)->text();
}

// The three values the main window shows: customers, trials and the mean.
inline QString Values(const QWidget* window) {
    return Text(window, "customerCount") + "/" + Text(window, "trialCount") + "/" +
           Text(window, "meanShortage");
}

// Pixels of `area` (device pixels of `image`) not of the background `back`:
// what has been drawn there.
inline int Ink(const QImage& image, QRect area, QRgb back) {
    area &= image.rect();
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ink += image.pixel(x, y) != back;
        }
    }
    return ink;
}

// The smallest rectangle of `area` that holds every pixel not of `back`.
inline QRect InkBounds(const QImage& image, QRect area, QRgb back) {
    area &= image.rect();
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ink |= image.pixel(x, y) != back ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return ink;
}

// Ink anywhere in a picture area, against its first pixel.
inline int AreaInk(const controls::PictureArea* area) {
    return Ink(area->Image(), area->Image().rect(), area->Image().pixel(0, 0));
}

// Device pixels per logical pixel, rounded as the pen's width is (1.5 gives 2).
inline int Pen(const QPaintDevice& device) {
    return static_cast<int>(std::lround(device.devicePixelRatioF()));
}

// The device pixels wholly inside a logical rectangle, at any ratio.
inline QRect DeviceInside(QRect logical, qreal ratio) {
    const auto in = [ratio](int edge) { return static_cast<int>(std::ceil(edge * ratio)); };
    return QRect(QPoint(in(logical.left()), in(logical.top())),
                 QPoint(static_cast<int>((logical.right() + 1) * ratio) - 1,
                        static_cast<int>((logical.bottom() + 1) * ratio) - 1));
}

// Pixels of a control's lowest whole row that the window shows otherwise
// than the control alone: whatever lies over the control's edge. Its round
// corners let what lies under it show through.
inline int CoveredLowerEdge(QWidget* window, QWidget* control) {
    const QImage shown = window->grab(control->geometry()).toImage();
    const QImage own = control->grab().toImage();
    const int y = DeviceInside(control->rect(), control->devicePixelRatioF()).bottom();
    int covered = 0;
    for (int x = 4 * Pen(*control); x < own.width() - 4 * Pen(*control); ++x) {
        covered += shown.pixel(x, y) != own.pixel(x, y);
    }
    return covered;
}

// Everything outside the windows, scripted and written down in one log: boxes
// and chimes. A box with no answer left and ending the program throw, so
// neither can pass silently. The re-seed before every trial is the one moment
// a test can look at the window in a run.
class ScriptedServices : public controls::Dialogs,
                         public controls::ProgramExit,
                         public engine::Clock,
                         public engine::RandomSource,
                         public sound::ChimePlayer {
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
    [[noreturn]] void ExitNow() override { throw std::logic_error("the program was ended"); }
    void Play(std::string_view fileName) override {
        log.push_back("chime " + std::string(fileName));
    }
    float SecondsSinceMidnight() override { return 43200.5F; }
    void Reseed(float /*seed*/) override { onReseed(++reseeds); }
    float Draw() override { return 0.75F; }  // tails

    std::vector<std::string> log;
    std::deque<std::string> answers{"35", "100"};
    std::deque<controls::Answer> yesNo;
    int asked = 0;
    int reseeds = 0;
    std::function<void(std::string_view prompt)> onAsk = [](std::string_view) {};
    std::function<void(int trial)> onReseed = [](int) {};

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

// The program with its boxes and chimes scripted.
struct ScriptedProgram : ScriptedServices {
    app::ProgramShell shell{*this, *this, *this, *this, *this};
};

// The main window, shown and past asking for the counts.
class ShownWindow : public ::testing::Test, public ScriptedProgram {
protected:
    void SetUp() override {
        ASSERT_TRUE(QTest::qWaitFor([&] { return asked == 2; }));
        log.clear();
    }
    void TearDown() override { delete shell.Window("main"); }

    QPushButton* Button(const char* name) const { return Child<QPushButton>(&window, name); }
    controls::PictureArea* Graph() const { return Child<controls::PictureArea>(&window, "graph"); }

    static QWidget& Shown(app::ProgramShell& shell) {
        shell.TakeSteps();
        return *shell.Window("main");
    }
    QWidget& window = Shown(shell);
};

}  // namespace widget_tests
