#pragma once

#include <string_view>

#include "engine/experiment.h"
#include "main_window/dialogs.h"

namespace main_window {

// One of the two questions of parameter entry.
struct CountQuestion {
    std::string_view prompt;
    std::string_view title;
    engine::CountRange range;
};

inline constexpr CountQuestion kCustomerQuestion{"10以上1000以下の整数を入力してください．．．",
                                                 " お客人数の設定", engine::kCustomerRange};
inline constexpr CountQuestion kTrialQuestion{"1以上1000以下の整数を入力してください．．．",
                                              " 実験回数の設定", engine::kTrialRange};
inline constexpr std::string_view kDefaultAnswer = "100";

// The question before ending the program, here and on the quit button.
inline constexpr std::string_view kEndQuestion = "終了していいですか？";

// Asks until an answer reads as a number in the question's range and gives
// its whole part. An empty answer offers to end the program; No asks again.
int AskCount(const CountQuestion& question, Dialogs& dialogs, ProgramExit& exit);

}  // namespace main_window
