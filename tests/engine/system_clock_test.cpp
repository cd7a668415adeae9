#include "engine/system_clock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// The time of day is cached per whole second; a stale cache would show as a
// step back when the next second begins.
TEST(SystemClock, NeverStepsBackAcrossWholeSeconds) {
    engine::SystemClock clock;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1100);
    float last = clock.Timer();
    int stepsBack = 0;
    while (std::chrono::steady_clock::now() < end) {
        const float now = clock.Timer();
        const bool midnight = last > 86399.0F && now < 1.0F;
        stepsBack += now < last && !midnight ? 1 : 0;
        last = now;
    }
    EXPECT_EQ(stepsBack, 0);
    EXPECT_GE(last, 0.0F);
    EXPECT_LT(last, 86400.0F);
}

}  // namespace
