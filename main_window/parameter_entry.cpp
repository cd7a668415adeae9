#include "main_window/parameter_entry.h"

#include <cmath>

#include "main_window/val.h"

namespace main_window {

const CountPrompt kCustomerPrompt{
    "10以上1000以下の整数を入力してください．．．",
    " お客人数の設定",
    "100",
    10.0,
    1000.0,
    &engine::ExperimentState::CustomerInput,
    &engine::ExperimentState::CustomerCount,
};

const CountPrompt kTrialPrompt{
    "1以上1000以下の整数を入力してください．．．",
    " 実験回数の設定",
    "100",
    1.0,
    1000.0,
    &engine::ExperimentState::TrialInput,
    &engine::ExperimentState::TrialCount,
};

namespace {
constexpr std::string_view kConfirmTitle = "確認";
}  // namespace

void AskCount(const CountPrompt& row, engine::ExperimentState& state, Dialogs& dialogs,
              Program& program, CaptionTarget& label) {
    for (;;) {
        std::string& answer = state.*row.answer;
        answer = dialogs.InputBox(row.prompt, row.title, row.defaultText);
        if (answer.empty()) {
            state.ConfirmAnswer =
                static_cast<std::int16_t>(dialogs.MsgBox(kConfirmPrompt, kYesNo, kConfirmTitle));
            if (state.ConfirmAnswer == kYes) {
                program.End();
            }
            continue;
        }
        const double value = Val(answer);
        // NaN and the infinities of out-of-range numbers fail these tests too.
        if (!(value >= row.lowest && value <= row.highest)) {
            continue;
        }
        const auto count = static_cast<std::int16_t>(std::floor(value));
        state.*row.count = count;
        label.SetCaption(std::to_string(count));
        return;
    }
}

void EnterParameters(engine::ExperimentState& state, Dialogs& dialogs, Program& program,
                     CaptionTarget& customerLabel, CaptionTarget& trialLabel) {
    AskCount(kCustomerPrompt, state, dialogs, program, customerLabel);
    AskCount(kTrialPrompt, state, dialogs, program, trialLabel);
}

}  // namespace main_window
