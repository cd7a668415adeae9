#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "engine/random_source.h"

namespace test {

// A clock that returns the given readings in turn and then keeps the last.
class FakeClock final : public engine::Clock {
public:
    explicit FakeClock(std::vector<float> readings = {43200.0F}) : readings_(std::move(readings)) {}
    float Timer() override {
        const float reading = readings_[std::min(next_, readings_.size() - 1)];
        ++next_;
        return reading;
    }

private:
    std::vector<float> readings_;
    std::size_t next_ = 0;
};

// Draws taken in turn from a script that repeats; records every seed.
class ScriptedRandom final : public engine::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    void Randomize(float seed) override { seeds.push_back(seed); }
    float Rnd() override {
        const float draw = draws_[next_ % draws_.size()];
        ++next_;
        return draw;
    }

    std::vector<float> seeds;

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

}  // namespace test
