#include "main_window/parameter_entry.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using main_window::kNo;
using main_window::kYes;

struct EndRequested {};

// Answers the boxes from a script and records what each box showed.
class ScriptedDialogs final : public main_window::Dialogs {
public:
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
        asked.push_back(std::string(title) + "|" + std::string(prompt) + "|" +
                        std::string(defaultText));
        if (watched != nullptr) {
            seen.emplace_back(watched->CustomerCount, watched->CustomerInput);
        }
        EXPECT_FALSE(answers.empty()) << "more boxes than answers";
        if (answers.empty()) {
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

    std::deque<std::string> answers;
    std::deque<int> confirmations;
    std::vector<std::string> asked;
    // What the state held each time a box was shown.
    const engine::ExperimentState* watched = nullptr;
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
    void Enter() {
        main_window::EnterParameters(state, dialogs, program, customerLabel, trialLabel);
    }
    engine::ExperimentState state;
    ScriptedDialogs dialogs;
    ThrowingProgram program;
    RecordingLabel customerLabel;
    RecordingLabel trialLabel;
};

TEST_F(ParameterEntry, DefaultsGiveOneHundredOfEach) {
    dialogs.answers = {"100", "100"};
    Enter();
    EXPECT_EQ(state.CustomerCount, 100);
    EXPECT_EQ(state.TrialCount, 100);
    EXPECT_EQ(customerLabel.captions, std::vector<std::string>{"100"});
    EXPECT_EQ(trialLabel.captions, std::vector<std::string>{"100"});
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{kCustomerBox, kTrialBox}));
}

struct AnswerCase {
    const char* answer;
    int customerCount;  // 0: refused
    int trialCount;     // 0: refused
};

TEST_F(ParameterEntry, AcceptsOnlyAnswersInsideEachRange) {
    const AnswerCase cases[] = {
        {"10", 10, 10},       {"1000", 1000, 1000}, {"9", 0, 9},           {"1001", 0, 0},
        {"9.99", 0, 9},       {"0", 0, 0},          {"-20", 0, 0},         {"10.9", 10, 10},
        {"1", 0, 1},          {"0.5", 0, 0},        {"1.5", 0, 1},         {"12abc", 12, 12},
        {"abc", 0, 0},        {"   ", 0, 0},        {"1 000", 1000, 1000}, {"1000.5", 0, 0},
        {"１００", 100, 100}, {"1e400", 0, 0},      {"-1e400", 0, 0},      {"&H3E8", 1000, 1000},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.answer);
        // Each question gets the answer under test, then a valid fallback.
        for (bool customer : {true, false}) {
            engine::ExperimentState fresh;
            fresh.CustomerCount = 55;
            fresh.TrialCount = 66;
            ScriptedDialogs script;
            script.answers = {c.answer, "77"};
            RecordingLabel label;
            const main_window::CountPrompt& row =
                customer ? main_window::kCustomerPrompt : main_window::kTrialPrompt;
            main_window::AskCount(row, fresh, script, program, label);
            const int expected = customer ? c.customerCount : c.trialCount;
            const int stored = customer ? fresh.CustomerCount : fresh.TrialCount;
            EXPECT_EQ(stored, expected == 0 ? 77 : expected) << (customer ? "customers" : "trials");
            EXPECT_EQ(script.asked.size(), expected == 0 ? 2U : 1U);
            EXPECT_EQ(label.captions.size(), 1U);  // refusals leave the label alone
            EXPECT_EQ(customer ? fresh.CustomerInput : fresh.TrialInput,
                      expected == 0 ? "77" : c.answer);
        }
    }
}

TEST_F(ParameterEntry, RefusedAnswerKeepsTheEarlierCountAndTheAnswerText) {
    state.CustomerCount = 40;
    dialogs.watched = &state;
    dialogs.answers = {"5", "45"};
    main_window::AskCount(main_window::kCustomerPrompt, state, dialogs, program, customerLabel);
    const std::vector<std::pair<int, std::string>> expected{{40, ""}, {40, "5"}};
    EXPECT_EQ(dialogs.seen, expected);
    EXPECT_EQ(state.CustomerCount, 45);
    EXPECT_EQ(customerLabel.captions, std::vector<std::string>{"45"});
}

TEST_F(ParameterEntry, EmptyAnswerThenNoAsksTheSameBoxAgain) {
    dialogs.answers = {"", "35", "", "100"};
    dialogs.confirmations = {kNo, kNo};
    Enter();
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{kCustomerBox, kConfirmBox, kCustomerBox,
                                                       kTrialBox, kConfirmBox, kTrialBox}));
    EXPECT_EQ(state.CustomerCount, 35);
    EXPECT_EQ(state.TrialCount, 100);
    EXPECT_EQ(state.ConfirmAnswer, kNo);
}

TEST_F(ParameterEntry, EmptyAnswerThenYesEndsAtOnce) {
    dialogs.answers = {""};
    dialogs.confirmations = {kYes};
    EXPECT_THROW(Enter(), EndRequested);
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{kCustomerBox, kConfirmBox}));
    EXPECT_EQ(state.ConfirmAnswer, kYes);
    EXPECT_TRUE(customerLabel.captions.empty());
}

TEST_F(ParameterEntry, YesAtTheTrialBoxKeepsTheAcceptedCustomerCount) {
    dialogs.answers = {"35", ""};
    dialogs.confirmations = {kYes};
    EXPECT_THROW(Enter(), EndRequested);
    EXPECT_EQ(state.CustomerCount, 35);
    EXPECT_EQ(customerLabel.captions, std::vector<std::string>{"35"});
    EXPECT_TRUE(trialLabel.captions.empty());
}

}  // namespace
