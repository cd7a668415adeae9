#pragma once

#include <string>

#include "engine/experiment_state.h"
#include "engine/random_source.h"
#include "engine/shortage_counts.h"

namespace engine {

struct RunOutcome {
    ShortageCounts counts;
    std::string meanText;  // what the mean label shows
};

// One run's statistics: resets the run's fields, walks TrialCount trials of
// CustomerCount coin tosses (re-seeding from the clock before each), tallies
// every trial's minimum and formats the mean of the minima. Expects the counts
// that parameter entry allows; anything else stops on a failed check.
RunOutcome RunExperiment(ExperimentState& state, Clock& clock, RandomSource& random);

}  // namespace engine
