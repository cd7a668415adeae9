#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "engine/clock.h"
#include "engine/random_source.h"

namespace test_support {

// A clock that never moves, as during a run that ends within one tick.
class FrozenClock final : public engine::Clock {
public:
    float SecondsSinceMidnight() override { return 43200.0F; }
};

// Draws taken in turn from a script that repeats; notes how many were taken
// before each re-seed.
class ScriptedDraws final : public engine::RandomSource {
public:
    explicit ScriptedDraws(std::vector<float> script) : script_(std::move(script)) {}
    void Reseed(float /*seed*/) override { drawsAtReseed.push_back(next_); }
    float Draw() override { return script_[next_++ % script_.size()]; }

    std::vector<std::size_t> drawsAtReseed;

private:
    std::vector<float> script_;
    std::size_t next_ = 0;
};

}  // namespace test_support
