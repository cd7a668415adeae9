#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "engine/random_source.h"

namespace test {

class FakeClock final : public engine::Clock {
public:
    float Timer() override { return 43200.0F; }
};

// Draws taken in turn from a script that repeats.
class ScriptedRandom final : public engine::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    void Randomize(float /*seed*/) override {}
    float Rnd() override { return draws_[next_++ % draws_.size()]; }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

}  // namespace test
