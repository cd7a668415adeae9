#include "main_window/parameter_entry.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

struct EndRequested {};

// Answers the boxes from a script and logs every box with the customer count
// the state held when it opened; ending throws, so nothing after it runs.
class ParameterEntry : public testing::Test,
                       public main_window::Dialogs,
                       public main_window::Program,
                       public main_window::CaptionTarget {
protected:
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view def) override {
        log.push_back(std::string(title) + " " + std::string(prompt) + " " + std::string(def) +
                      " " + std::to_string(state.CustomerCount));
        if (answers.empty()) {
            ADD_FAILURE() << "more boxes than answers";
            throw EndRequested{};
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int MsgBox(std::string_view prompt, int buttons, std::string_view title) override {
        log.push_back(std::string(title) + " " + std::string(prompt) + " " +
                      std::to_string(buttons));
        return confirm;
    }
    [[noreturn]] void End() override { throw EndRequested{}; }
    void SetCaption(std::string_view text) override { log.push_back("label " + std::string(text)); }

    void Enter() { main_window::EnterParameters(state, *this, *this, *this, *this); }

    engine::ExperimentState state;
    std::deque<std::string> answers;
    int confirm = main_window::kNo;
    std::vector<std::string> log;
};

TEST_F(ParameterEntry, AcceptsOnlyAnswersInsideEachRange) {
    // Answer, then the count each question stores (0: refused and asked again).
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
            answers = {answer, "77"};  // a refusal is followed by a valid answer
            log.clear();
            main_window::AskCount(
                customer ? main_window::kCustomerPrompt : main_window::kTrialPrompt, state, *this,
                *this, *this);
            const int stored = expected == 0 ? 77 : expected;
            EXPECT_EQ(customer ? state.CustomerCount : state.TrialCount, stored);
            EXPECT_EQ(log.size(), expected == 0 ? 3U : 2U);  // boxes, then the label once
            EXPECT_EQ(log.back(), "label " + std::to_string(stored));
            EXPECT_EQ(customer ? state.CustomerInput : state.TrialInput,
                      answers.empty() ? "77" : answer);
        }
    }
}

TEST_F(ParameterEntry, EmptyAnswerOffersToEndAndNoAsksTheSameBoxAgain) {
    state.CustomerCount = 40;
    answers = {"", "5", "35", "", "100"};
    Enter();
    const std::string customers =
        " お客人数の設定 10以上1000以下の整数を入力してください．．． 100 ";
    const std::string trials = " 実験回数の設定 1以上1000以下の整数を入力してください．．． 100 ";
    const std::string question = "確認 終了していいですか？ 4";
    EXPECT_EQ(log, (std::vector<std::string>{customers + "40", question, customers + "40",
                                             customers + "40", "label 35", trials + "35", question,
                                             trials + "35", "label 100"}));
    EXPECT_EQ(state.ConfirmAnswer, main_window::kNo);
}

TEST_F(ParameterEntry, YesEndsAtOnceAtEitherBox) {
    confirm = main_window::kYes;
    for (const auto& script : {std::deque<std::string>{""}, std::deque<std::string>{"35", ""}}) {
        answers = script;
        log.clear();
        EXPECT_THROW(Enter(), EndRequested);
        EXPECT_EQ(log.back(), "確認 終了していいですか？ 4");  // nothing is asked after the Yes
        EXPECT_EQ(state.ConfirmAnswer, main_window::kYes);
    }
    EXPECT_EQ(state.CustomerCount, 35);
}

}  // namespace
