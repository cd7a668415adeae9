#include "engine/experiment.h"

#include <array>
#include <cstdint>
#include <span>

#include "engine/fault.h"
#include "engine/lowest_balance.h"
#include "engine/mean_format.h"

namespace engine {

RunOutcome RunExperiment(RunSize size, Clock& clock, RandomSource& random) {
    if (!kCustomerRange.Holds(size.customers) || !kTrialRange.Holds(size.trials)) {
        StopOnFault("a run needs 10 to 1000 customers and 1 to 1000 trials");
    }
    RunOutcome outcome;
    std::array<float, kCustomerRange.highest> draws{};
    const std::span<float> trialDraws(draws.data(), static_cast<std::size_t>(size.customers));
    std::int32_t minimumSum = 0;
    for (int trial = 1; trial <= size.trials; ++trial) {
        random.Reseed(clock.SecondsSinceMidnight());
        random.DrawMany(trialDraws);
        const int minimum = LowestBalance(trialDraws);
        minimumSum += minimum;
        outcome.tallies.Tally(minimum);
    }
    // Divided in double precision, kept in single: the mean the label shows.
    outcome.mean =
        static_cast<float>(static_cast<double>(minimumSum) / static_cast<double>(size.trials));
    outcome.meanText = FormatMean(outcome.mean);
    return outcome;
}

}  // namespace engine
