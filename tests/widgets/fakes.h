#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

#include "controls/picture_area.h"
#include "main_window/main_window.h"
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

inline int CountPixels(const QImage& image, QRect area, QRgb colour) {
    const QImage part = image.copy(area).convertToFormat(QImage::Format_RGB32);
    const auto* first = reinterpret_cast<const QRgb*>(part.constBits());
    return static_cast<int>(std::count(first, first + part.width() * part.height(), colour));
}

// The smallest rectangle of `area` that holds every pixel not of `back`.
inline QRect InkBounds(const QImage& image, QRect area, QRgb back) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ink |= image.pixel(x, y) != back ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return ink;
}

// Pixels of a control's lowest row that the window shows otherwise than the
// control paints them itself: whatever lies over the control's edge. Where the
// control paints nothing, as at rounded corners, anything may show.
inline int CoveredLowerEdge(QWidget* window, QWidget* control) {
    const QImage shot = window->grab().toImage();
    const auto dpr = static_cast<int>(shot.devicePixelRatio());
    QImage own(control->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    own.setDevicePixelRatio(dpr);
    own.fill(Qt::transparent);
    control->render(&own, QPoint(), QRegion(), QWidget::DrawChildren);
    const QPoint at = control->pos() * dpr;
    int covered = 0;
    for (int y = own.height() - dpr; y < own.height(); ++y) {
        for (int x = 0; x < own.width(); ++x) {
            const QRgb painted = own.pixel(x, y);
            covered += qAlpha(painted) == 255 && shot.pixel(at.x() + x, at.y() + y) != painted;
        }
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
