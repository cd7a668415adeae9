#include "engine/trial_simulation.h"

#include <array>
#include <cstdint>
#include <span>

#include "engine/format.h"

namespace engine {
namespace {

constexpr int kMaxCustomers = 1000;

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

}  // namespace

RunOutcome RunExperiment(ExperimentState& state, Clock& clock, RandomSource& random) {
    RunOutcome outcome;  // all 120 tallies start at 0
    state.MinimumSum = 0;
    for (int i = 1; i <= 1000; ++i) {
        state.RunningAverage(i) = 0.0F;
    }

    const int trials = state.TrialCount;
    const int customers = state.CustomerCount;
    CheckIndex(customers, 0, kMaxCustomers);
    std::array<float, kMaxCustomers> draws{};
    const std::span<float> trialDraws(draws.data(), static_cast<std::size_t>(customers));

    for (int k = 1; k <= trials; ++k) {
        state.Balance = 0;
        random.Randomize(clock.Timer());
        random.RndMany(trialDraws);

        std::int16_t lowest = 0;
        std::int16_t highest = 0;
        for (int i = 1; i <= customers; ++i) {
            state.CoinDraw = trialDraws[static_cast<std::size_t>(i - 1)];
            const std::int16_t sign = state.CoinDraw < 0.5F ? 1 : -1;
            state.StepSigns(i) = sign;
            state.Balance = Add16(state.Balance, sign);
            state.BalanceTrace(i) = state.Balance;
            lowest = i == 1 || state.Balance < lowest ? state.Balance : lowest;
            highest = i == 1 || state.Balance > highest ? state.Balance : highest;
        }
        SortBalances(state, customers, lowest, highest);

        const std::int16_t minimum = state.BalanceTrace(1);
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
