#pragma once

#include <span>

namespace engine {

// Seconds since local midnight, fraction included.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float Timer() = 0;
};

// The uniform random sequence behind Randomize and Rnd.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize(float seed) = 0;
    // Next draw, single precision, 0 <= x < 1.
    virtual float Rnd() = 0;
    // The next draws in order, as repeated calls of Rnd would give them; one
    // virtual call per trial instead of one per customer.
    virtual void RndMany(std::span<float> out) {
        for (float& draw : out) {
            draw = Rnd();
        }
    }
};

}  // namespace engine
