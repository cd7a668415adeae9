#include "main_window/parameter_entry.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using main_window::kNo;
using main_window::kYes;

struct EndRequested {};

// Answers the boxes from a script; records each box and what the state held then.
class ScriptedDialogs final : public main_window::Dialogs {
public:
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
        asked.push_back(std::string(title) + "|" + std::string(prompt) + "|" +
                        std::string(defaultText));
        seen.emplace_back(state->CustomerCount, state->CustomerInput);
        if (answers.empty()) {
            ADD_FAILURE() << "more boxes than answers";
            throw EndRequested{};
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int MsgBox(std::string_view prompt, int buttons, std::string_view title) override {
        asked.push_back(std::string(title) + "|" + std::string(prompt) + "|" +
                        std::to_string(buttons));
        const int answer = confirmations.front();
        confirmations.pop_front();
        return answer;
    }

    const engine::ExperimentState* state = nullptr;
    std::deque<std::string> answers;
    std::deque<int> confirmations;
    std::vector<std::string> asked;
    std::vector<std::pair<int, std::string>> seen;
};

class ThrowingProgram final : public main_window::Program {
public:
    [[noreturn]] void End() override { throw EndRequested{}; }
};

class RecordingLabel final : public main_window::CaptionTarget {
public:
    void SetCaption(std::string_view text) override { captions.emplace_back(text); }
    std::vector<std::string> captions;
};

const std::string kCustomerBox = " お客人数の設定|10以上1000以下の整数を入力してください．．．|100";
const std::string kTrialBox = " 実験回数の設定|1以上1000以下の整数を入力してください．．．|100";
const std::string kConfirmBox = "確認|終了していいですか？|4";

class ParameterEntry : public testing::Test {
protected:
    ParameterEntry() { dialogs.state = &state; }
    void Enter() {
        main_window::EnterParameters(state, dialogs, program, customerLabel, trialLabel);
    }
    engine::ExperimentState state;
    ScriptedDialogs dialogs;
    ThrowingProgram program;
    RecordingLabel customerLabel;
    RecordingLabel trialLabel;
};

TEST_F(ParameterEntry, AcceptsOnlyAnswersInsideEachRange) {
    // Answer, then the count each question stores (0: refused, asked again).
    const std::tuple<const char*, int, int> cases[] = {
        {"100", 100, 100},    {"10", 10, 10},  {"1000", 1000, 1000},  {"9", 0, 9},
        {"1001", 0, 0},       {"9.99", 0, 9},  {"0", 0, 0},           {"-20", 0, 0},
        {"10.9", 10, 10},     {"0.5", 0, 0},   {"1.5", 0, 1},         {"12abc", 12, 12},
        {"abc", 0, 0},        {"   ", 0, 0},   {"1 000", 1000, 1000}, {"1000.5", 0, 0},
        {"１００", 100, 100}, {"1e400", 0, 0}, {"-1e400", 0, 0},
    };
    for (const auto& [answer, customers, trials] : cases) {
        for (const bool customer : {true, false}) {
            SCOPED_TRACE(std::string(answer) + (customer ? " for customers" : " for trials"));
            const int expected = customer ? customers : trials;
            state.CustomerCount = state.TrialCount = 55;
            dialogs.answers = {answer, "77"};  // a refusal is followed by a valid answer
            dialogs.asked.clear();
            customerLabel.captions.clear();
            main_window::AskCount(
                customer ? main_window::kCustomerPrompt : main_window::kTrialPrompt, state, dialogs,
                program, customerLabel);
            EXPECT_EQ(customer ? state.CustomerCount : state.TrialCount,
                      expected == 0 ? 77 : expected);
            EXPECT_EQ(customer ? state.TrialCount : state.CustomerCount, 55);
            EXPECT_EQ(dialogs.asked.size(), expected == 0 ? 2U : 1U);
            EXPECT_EQ(customerLabel.captions.size(), 1U);
        }
    }
}

TEST_F(ParameterEntry, RefusedAnswerKeepsTheEarlierCountAndTheAnswerText) {
    state.CustomerCount = 40;
    dialogs.answers = {"5", "45", "100"};
    Enter();
    const std::vector<std::pair<int, std::string>> seen{{40, ""}, {40, "5"}, {45, "45"}};
    EXPECT_EQ(dialogs.seen, seen);
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{kCustomerBox, kCustomerBox, kTrialBox}));
}

TEST_F(ParameterEntry, EmptyAnswerThenNoAsksTheSameBoxAgain) {
    dialogs.answers = {"", "35", "", "100"};
    dialogs.confirmations = {kNo, kNo};
    Enter();
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{kCustomerBox, kConfirmBox, kCustomerBox,
                                                       kTrialBox, kConfirmBox, kTrialBox}));
    EXPECT_EQ(state.CustomerCount, 35);
    EXPECT_EQ(state.ConfirmAnswer, kNo);
}

TEST_F(ParameterEntry, EmptyAnswerThenYesEndsAtOnce) {
    for (const bool atTrialBox : {false, true}) {
        dialogs.answers =
            atTrialBox ? std::deque<std::string>{"35", ""} : std::deque<std::string>{""};
        dialogs.confirmations = {kYes};
        dialogs.asked.clear();
        EXPECT_THROW(Enter(), EndRequested);
        EXPECT_EQ(dialogs.asked.back(), kConfirmBox);  // nothing is asked after the Yes
        EXPECT_EQ(state.ConfirmAnswer, kYes);
        EXPECT_TRUE(trialLabel.captions.empty());
    }
    EXPECT_EQ(customerLabel.captions, std::vector<std::string>{"35"});
}

}  // namespace
