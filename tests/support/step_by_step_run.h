#pragma once

#include "engine/experiment.h"

namespace test_support {

// The run written step for step as the lesson describes it: one draw per
// customer, every balance kept, and an exchange sort of every trial's balances
// to find its lowest. The engine's RunExperiment must agree with it draw for
// draw; the benchmarks measure how much faster it is.
engine::RunOutcome StepByStepRun(engine::RunSize size, engine::Clock& clock,
                                 engine::RandomSource& random);

}  // namespace test_support
