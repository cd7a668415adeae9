#pragma once

#include <cstdint>
#include <string>

#include "engine/checked.h"

namespace engine {

// The main window's module-level variables. Index 0 of every array is never used.
struct ExperimentState {
    std::int16_t CustomerCount = 0;  // customers per trial, 10..1000
    std::int16_t TrialCount = 0;     // trials per run, 1..1000
    std::int16_t ConfirmAnswer = 0;  // last yes/no answer: 6 yes, 7 no
    std::string CustomerInput;       // last answer in the customer box
    std::string TrialInput;          // last answer in the trial box
    CheckedArray<std::int16_t> StepSigns;
    CheckedArray<std::int16_t> BalanceTrace;  // sorted ascending after each trial
    std::int16_t Balance = 0;
    float CoinDraw = 0.0F;
    std::int32_t MinimumSum = 0;
    CheckedArray<float> RunningAverage;
    CheckedArray<std::int16_t> TrialMinimum;

    friend bool operator==(const ExperimentState&, const ExperimentState&) = default;
};

}  // namespace engine
