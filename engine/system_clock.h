#pragma once

#include <ctime>

#include "engine/clock.h"

namespace engine {

// The wall clock: seconds since local midnight.
class SystemClock final : public Clock {
public:
    float SecondsSinceMidnight() override;

private:
    // A run asks once per trial, many times a second; the local time of day is
    // looked up only when the whole second changes.
    std::time_t second_ = -1;
    double localSeconds_ = 0.0;
};

}  // namespace engine
