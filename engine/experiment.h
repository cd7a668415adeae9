#pragma once

#include <string>

#include "engine/clock.h"
#include "engine/random_source.h"
#include "engine/shortage_tallies.h"

namespace engine {

// The counts parameter entry accepts. Within them no sum of a run can
// overflow: a balance stays within ±1000 and the sum of the minima within
// ±1,000,000.
struct CountRange {
    int lowest;
    int highest;
    constexpr bool Holds(int count) const { return count >= lowest && count <= highest; }
};
inline constexpr CountRange kCustomerRange{10, 1000};
inline constexpr CountRange kTrialRange{1, 1000};

struct RunSize {
    int customers;  // coin tosses per trial
    int trials;     // trials per run
};

struct RunOutcome {
    ShortageTallies tallies;  // every trial's lowest balance, tallied into its bin
    float mean = 0.0F;        // mean of the lowest balances
    std::string meanText;     // the mean as the mean label shows it
};

// One run: `trials` trials of `customers` coin tosses from an empty stock,
// re-seeding from the clock before each. A size outside the ranges above
// stops the program with a message.
RunOutcome RunExperiment(RunSize size, Clock& clock, RandomSource& random);

}  // namespace engine
