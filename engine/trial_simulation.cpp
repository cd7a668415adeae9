#include "engine/trial_simulation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "engine/format.h"

namespace engine {
namespace {

constexpr int kMaxCustomers = 1000;

std::int16_t StepOf(float coinDraw) {
    return coinDraw < 0.5F ? 1 : -1;
}

// GCC and Clang vector types: on x86-64 each step below is one or two SSE2
// instructions, elsewhere the compiler picks what the target has.
using Floats4 = float __attribute__((vector_size(16)));
using Shorts8 = std::int16_t __attribute__((vector_size(16)));

// The lowest balance of a trial's walk, nothing stored: every trial but the
// last is overwritten before anyone can see its steps or sorted balances. A
// walk of at most 1000 steps stays far inside 16 bits, so the lanes need no
// overflow check. Needs at least one draw.
std::int16_t LowestBalance(std::span<const float> draws) {
    constexpr std::int16_t kHighest = 32767;
    const Shorts8 zero{};
    Shorts8 balance{};  // the balance before the block, in every lane
    Shorts8 lowest = zero + kHighest;
    std::size_t i = 0;
    for (; i + 8 <= draws.size(); i += 8) {
        Floats4 first;
        Floats4 second;
        std::memcpy(&first, &draws[i], sizeof first);
        std::memcpy(&second, &draws[i + 4], sizeof second);
        // A comparison gives -1 (heads) or 0 per 32-bit lane; keep the low halves.
        const Shorts8 heads = __builtin_shufflevector(std::bit_cast<Shorts8>(first < 0.5F),
                                                      std::bit_cast<Shorts8>(second < 0.5F), 0, 2,
                                                      4, 6, 8, 10, 12, 14);
        Shorts8 walk = ~(heads + heads);  // +1 heads, -1 tails
        // Running sums: add the lanes shifted up by one, two and four.
        walk += __builtin_shufflevector(zero, walk, 7, 8, 9, 10, 11, 12, 13, 14);
        walk += __builtin_shufflevector(zero, walk, 6, 7, 8, 9, 10, 11, 12, 13);
        walk += __builtin_shufflevector(zero, walk, 4, 5, 6, 7, 8, 9, 10, 11);
        walk += balance;
        lowest = walk < lowest ? walk : lowest;
        balance = __builtin_shufflevector(walk, walk, 7, 7, 7, 7, 7, 7, 7, 7);
    }
    int total = balance[0];
    int result = kHighest;
    for (const std::int16_t lane : std::bit_cast<std::array<std::int16_t, 8>>(lowest)) {
        result = std::min<int>(result, lane);
    }
    for (; i < draws.size(); ++i) {
        total += StepOf(draws[i]);
        result = std::min(result, total);
    }
    return static_cast<std::int16_t>(result);
}

// Sorts BalanceTrace(1..count) ascending. The walk moves by one coin at a
// time, so its levels form one contiguous range and a tally per level sorts it
// in linear time; whole numbers have only one sorted order, so the result is
// the one an exchange sort leaves.
void SortBalances(ExperimentState& state, int count, std::int16_t lowest, std::int16_t highest) {
    std::array<std::int16_t, 2 * kMaxCustomers + 1> perLevel{};
    const int width = highest - lowest + 1;
    CheckIndex(width, 1, static_cast<int>(perLevel.size()));
    for (int i = 1; i <= count; ++i) {
        ++perLevel[static_cast<std::size_t>(state.BalanceTrace(i) - lowest)];
    }
    int position = 1;
    for (int level = 0; level < width; ++level) {
        const auto value = static_cast<std::int16_t>(lowest + level);
        for (int n = perLevel[static_cast<std::size_t>(level)]; n > 0; --n) {
            state.BalanceTrace(position++) = value;
        }
    }
}

// The last trial's walk as the state keeps it: steps, balances sorted, the
// final balance and draw. Gives the lowest balance.
std::int16_t WalkIntoState(ExperimentState& state, std::span<const float> draws) {
    const int customers = static_cast<int>(draws.size());
    state.Balance = 0;
    std::int16_t lowest = 0;
    std::int16_t highest = 0;
    for (int i = 1; i <= customers; ++i) {
        state.CoinDraw = draws[static_cast<std::size_t>(i - 1)];
        const std::int16_t sign = StepOf(state.CoinDraw);
        state.StepSigns(i) = sign;
        state.Balance = Add16(state.Balance, sign);
        state.BalanceTrace(i) = state.Balance;
        lowest = i == 1 || state.Balance < lowest ? state.Balance : lowest;
        highest = i == 1 || state.Balance > highest ? state.Balance : highest;
    }
    SortBalances(state, customers, lowest, highest);
    return state.BalanceTrace(1);
}

}  // namespace

RunOutcome RunExperiment(ExperimentState& state, Clock& clock, RandomSource& random) {
    RunOutcome outcome;  // all 120 tallies start at 0
    state.MinimumSum = 0;
    for (int i = 1; i <= 1000; ++i) {
        state.RunningAverage(i) = 0.0F;
    }

    const int trials = state.TrialCount;
    const int customers = state.CustomerCount;
    CheckIndex(customers, 1, kMaxCustomers);
    std::array<float, kMaxCustomers> draws{};
    const std::span<float> trialDraws(draws.data(), static_cast<std::size_t>(customers));

    for (int k = 1; k <= trials; ++k) {
        random.Randomize(clock.Timer());
        random.RndMany(trialDraws);
        const std::int16_t minimum =
            k < trials ? LowestBalance(trialDraws) : WalkIntoState(state, trialDraws);

        state.MinimumSum = Add32(state.MinimumSum, minimum);
        state.RunningAverage(k) =
            static_cast<float>(static_cast<double>(state.MinimumSum) / static_cast<double>(k));
        state.TrialMinimum(k) = minimum;
        outcome.counts.Tally(minimum);
    }

    outcome.meanText = Format(state.RunningAverage(state.TrialCount));
    return outcome;
}

}  // namespace engine
