#pragma once

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

#include "controls/picture_area.h"
#include "main_window/main_window.h"
#include "support/pixel_probes.h"
#include "support/scripted_boxes.h"

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

using test_support::Ink;
using test_support::InkBounds;

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

// Ends the test program as failed when the body has not returned in time: a
// query that never returns fails instead of blocking the suite.
inline void WithinSeconds(int seconds, const std::function<void()>& body) {
    std::mutex mutex;
    std::condition_variable returned;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!returned.wait_for(lock, std::chrono::seconds(seconds), [&] { return done; })) {
            std::fprintf(stderr, "FAILED: still running after %d s\n", seconds);
            std::_Exit(1);
        }
    });
    body();
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    returned.notify_one();
    watchdog.join();
}

// The family a font matches, by the name the machine's language gives it.
inline QString FamilyOf(const QFont& font) {
    return QFontInfo(font).family();
}

// Everything outside the main window, scripted and written down in one log:
// boxes, chimes and the way to the help window. The re-seed before every trial
// is the one moment a test can look at the window in a run.
class ScriptedServices : public test_support::ScriptedBoxes,
                         public engine::Clock,
                         public engine::RandomSource,
                         public sound::ChimePlayer {
public:
    ScriptedServices() { answers = {"35", "100"}; }
    void Play(std::string_view fileName) override {
        log.push_back("chime " + std::string(fileName));
    }
    float SecondsSinceMidnight() override { return 43200.5F; }
    void Reseed(float /*seed*/) override { onReseed(++reseeds); }
    float Draw() override { return 0.75F; }  // tails

    main_window::MainWindowServices Services() {
        return {*this, *this, *this, *this, *this, [this] { log.emplace_back("help window"); }};
    }

    int reseeds = 0;
    std::function<void(int trial)> onReseed = [](int) {};
};

// The main window, shown and past asking for the counts.
class ShownWindow : public ::testing::Test, public ScriptedServices {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return asked == 2; }));
        log.clear();
    }
    void TearDown() override { delete alive.data(); }

    QPushButton* Button(const char* name) const { return Child<QPushButton>(&window, name); }
    controls::PictureArea* Graph() const { return Child<controls::PictureArea>(&window, "graph"); }

    QWidget& window = *new main_window::MainWindow(Services());
    QPointer<QWidget> alive{&window};
};

}  // namespace widget_tests
