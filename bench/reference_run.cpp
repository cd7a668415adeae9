#include "bench/reference_run.h"

#include <utility>

#include "engine/format.h"

namespace bench {

engine::RunOutcome ReferenceRun(engine::ExperimentState& state, engine::Clock& clock,
                                engine::RandomSource& random) {
    engine::RunOutcome outcome;
    state.MinimumSum = 0;
    for (int i = 1; i <= 1000; ++i) {
        state.RunningAverage(i) = 0.0F;
    }

    const int customers = state.CustomerCount;
    for (int i = 1; i <= state.TrialCount; ++i) {
        random.Randomize(clock.Timer());
        state.Balance = 0;
        for (int j = 1; j <= customers; ++j) {
            state.CoinDraw = random.Rnd();
            state.StepSigns(j) = state.CoinDraw < 0.5F ? 1 : -1;
            state.Balance = engine::Add16(state.Balance, state.StepSigns(j));
            state.BalanceTrace(j) = state.Balance;
        }
        for (int j = 1; j <= customers - 1; ++j) {
            for (int k = j + 1; k <= customers; ++k) {
                if (state.BalanceTrace(j) > state.BalanceTrace(k)) {
                    std::swap(state.BalanceTrace(j), state.BalanceTrace(k));
                }
            }
        }
        state.TrialMinimum(i) = state.BalanceTrace(1);
        state.MinimumSum = engine::Add32(state.MinimumSum, state.TrialMinimum(i));
        state.RunningAverage(i) =
            static_cast<float>(static_cast<double>(state.MinimumSum) / static_cast<double>(i));
        outcome.counts.Tally(state.TrialMinimum(i));
    }

    outcome.meanText = engine::Format(state.RunningAverage(state.TrialCount));
    return outcome;
}

}  // namespace bench
