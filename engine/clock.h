#pragma once

namespace engine {

// The clock a run re-seeds from before every trial.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, fraction included.
    virtual float SecondsSinceMidnight() = 0;
};

}  // namespace engine
