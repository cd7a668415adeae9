#include "support/step_by_step_run.h"

#include <utility>
#include <vector>

#include "engine/mean_format.h"

namespace test_support {

engine::RunOutcome StepByStepRun(engine::RunSize size, engine::Clock& clock,
                                 engine::RandomSource& random) {
    engine::RunOutcome outcome;
    const auto customers = static_cast<std::size_t>(size.customers);
    std::vector<int> balances(customers + 1);  // index 0 unused, as in the lesson's tables
    int minimumSum = 0;
    float runningMean = 0.0F;
    for (int k = 1; k <= size.trials; ++k) {
        random.Reseed(clock.SecondsSinceMidnight());
        int balance = 0;
        for (std::size_t i = 1; i <= customers; ++i) {
            balance += random.Draw() < 0.5F ? 1 : -1;
            balances.at(i) = balance;
        }
        for (std::size_t i = 1; i + 1 <= customers; ++i) {
            for (std::size_t j = i + 1; j <= customers; ++j) {
                if (balances.at(i) > balances.at(j)) {
                    std::swap(balances.at(i), balances.at(j));
                }
            }
        }
        minimumSum += balances.at(1);
        runningMean = static_cast<float>(static_cast<double>(minimumSum) / k);
        outcome.tallies.Tally(balances.at(1));
    }
    outcome.mean = runningMean;
    outcome.meanText = engine::FormatMean(runningMean);
    return outcome;
}

}  // namespace test_support
