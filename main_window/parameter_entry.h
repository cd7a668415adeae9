#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/experiment_state.h"
#include "main_window/ui_ports.h"

namespace main_window {

// One of the two questions of parameter entry.
struct CountPrompt {
    std::string_view prompt;
    std::string_view title;
    std::string_view defaultText;
    double lowest;
    double highest;
    std::string engine::ExperimentState::*answer;
    std::int16_t engine::ExperimentState::*count;
};

extern const CountPrompt kCustomerPrompt;
extern const CountPrompt kTrialPrompt;

// The question before ending the program, here and on the quit button.
inline constexpr std::string_view kConfirmPrompt = "終了していいですか？";

// Asks until an answer reads as a number in the row's range, then stores its
// whole part and shows it; an empty answer offers to end the program.
void AskCount(const CountPrompt& row, engine::ExperimentState& state, Dialogs& dialogs,
              Program& program, CaptionTarget& label);

// The customer question, then the trial question.
void EnterParameters(engine::ExperimentState& state, Dialogs& dialogs, Program& program,
                     CaptionTarget& customerLabel, CaptionTarget& trialLabel);

}  // namespace main_window
