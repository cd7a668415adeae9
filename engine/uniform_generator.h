#pragma once

#include <cstdint>
#include <span>

#include "engine/random_source.h"

namespace engine {

// PCG32 (XSH-RR, O'Neill 2014) with single-precision draws from its top 24 bits.
//
// Reseed mixes the seed into the current state instead of replacing it: a
// run re-seeds from the clock before every trial and finishes well inside one
// clock tick, so a seed-only reset would repeat the same trial over and over.
class UniformGenerator final : public RandomSource {
public:
    explicit UniformGenerator(std::uint64_t initialState = 0x853c49e6748fea9bULL)
        : state_(initialState) {}

    void Reseed(float seed) override;
    float Draw() override { return NextFloat(); }
    void DrawMany(std::span<float> out) override {
        for (float& draw : out) {
            draw = NextFloat();
        }
    }

private:
    static constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

    std::uint32_t Next() {
        const std::uint64_t old = state_;
        state_ = old * kMultiplier + kIncrement;
        const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
        const auto rot = static_cast<std::uint32_t>(old >> 59U);
        return (xorshifted >> rot) | (xorshifted << ((-rot) & 31U));
    }
    float NextFloat() { return static_cast<float>(Next() >> 8U) * 0x1.0p-24F; }

    std::uint64_t state_;
};

}  // namespace engine
