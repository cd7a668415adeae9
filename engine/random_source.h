#pragma once

#include <span>

namespace engine {

// A uniform random sequence that can be re-seeded.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed(float seed) = 0;
    // Next draw, single precision, 0 <= x < 1.
    virtual float Draw() = 0;
    // The next draws in order, as repeated calls of Draw would give them; one
    // virtual call per trial instead of one per customer.
    virtual void DrawMany(std::span<float> out) {
        for (float& draw : out) {
            draw = Draw();
        }
    }
};

}  // namespace engine
