#pragma once

#include "engine/experiment_state.h"
#include "engine/random_source.h"
#include "engine/trial_simulation.h"

namespace bench {

// The run written step for step as the lesson describes it: one Rnd per
// customer and an exchange sort of every trial's balances. Only a yardstick
// for the engine's RunExperiment, which must leave the same state and tallies.
engine::RunOutcome ReferenceRun(engine::ExperimentState& state, engine::Clock& clock,
                                engine::RandomSource& random);

}  // namespace bench
