#include "main_window/parameter_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace {

struct EndRequested {};

// Answers the boxes from a script and logs every box with the customer count
// the state held when it opened, and both counts apart; ending throws, so
// nothing after it runs.
class ParameterEntry : public testing::Test,
                       public main_window::Dialogs,
                       public main_window::Program,
                       public main_window::CaptionTarget {
protected:
    std::string InputBox(std::string_view prompt, std::string_view title,
                         std::string_view def) override {
        log.push_back(std::string(title) + " " + std::string(prompt) + " " + std::string(def) +
                      " " + std::to_string(state.CustomerCount));
        countsAtBox.emplace_back(state.CustomerCount, state.TrialCount);
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

    // Gives the answer to each question, then "77" if it is refused; checks the
    // count stored (0: refused), that the refusal changed no count and that the
    // label was set once, last.
    void ExpectEntry(const std::string& answer, int customers, int trials) {
        for (const bool customer : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << '"' << answer.substr(0, 40) << "\" (" << answer.size() << " bytes) for "
                         << (customer ? "customers" : "trials"));
            const int expected = customer ? customers : trials;
            const int stored = expected == 0 ? 77 : expected;
            state.CustomerCount = state.TrialCount = 55;
            answers = {answer, "77"};
            log.clear();
            countsAtBox.clear();
            main_window::AskCount(
                customer ? main_window::kCustomerPrompt : main_window::kTrialPrompt, state, *this,
                *this, *this);
            EXPECT_EQ(customer ? state.CustomerCount : state.TrialCount, stored);
            EXPECT_EQ(customer ? state.TrialCount : state.CustomerCount, 55);
            EXPECT_EQ(countsAtBox, decltype(countsAtBox)(expected == 0 ? 2 : 1, {55, 55}));
            EXPECT_EQ(
                std::count_if(log.begin(), log.end(),
                              [](const std::string& line) { return line.starts_with("label"); }),
                1);
            EXPECT_EQ(log.back(), "label " + std::to_string(stored));
            EXPECT_EQ(customer ? state.CustomerInput : state.TrialInput,
                      expected == 0 ? "77" : answer);
        }
    }

    engine::ExperimentState state;
    std::deque<std::string> answers;
    int confirm = main_window::kNo;
    std::vector<std::string> log;
    std::vector<std::pair<int, int>> countsAtBox;  // customers and trials as each box opens
};

// Each answer, then the count each question stores (0: refused, asked again):
// the ranges' edges, blanks and long answers, exponents, hexadecimal and
// octal, bare signs, full-width forms, control characters and bytes that are
// not UTF-8.
TEST_F(ParameterEntry, AnswersAreReadOrRefusedAndAskedAgain) {
    using namespace std::string_literals;
    const std::string blanks(10'000, ' ');
    // clang-format off
    const std::tuple<std::string, int, int> cases[] = {
        {"100", 100, 100}, {"10", 10, 10}, {"1000", 1000, 1000}, {"9", 0, 9}, {"1001", 0, 0},
        {"9.99", 0, 9}, {"0", 0, 0}, {"-20", 0, 0}, {"10.9", 10, 10}, {"0.5", 0, 0}, {"1.5", 0, 1},
        {"12abc", 12, 12}, {"abc", 0, 0}, {"1 000", 1000, 1000}, {"1000.5", 0, 0}, {"1e400", 0, 0},
        {"-1e400", 0, 0}, {"", 0, 0}, {"\t\n", 0, 0}, {"　　", 0, 0}, {blanks, 0, 0},
        {blanks + "100", 100, 100}, {"100" + blanks + "x", 100, 100},
        {std::string(10'000, '9'), 0, 0}, {std::string(9'998, '0') + "10", 10, 10},
        {"0." + std::string(9'997, '0') + "1", 0, 0}, {"1E3", 1000, 1000}, {"0.01E5", 1000, 1000},
        {"1E4", 0, 0}, {"2E0", 0, 2}, {"1e-308", 0, 0}, {"1e99999999999999999999", 0, 0},
        {"999.99999999999999999", 1000, 1000}, {"1000.0000000000002", 0, 0}, {"&H", 0, 0},
        {"&O", 0, 0}, {"&H64", 100, 100}, {"&h3e8", 1000, 1000}, {"&H3E9", 0, 0}, {"&O12", 10, 10},
        {"&o1750", 1000, 1000}, {"&O9", 0, 0}, {"&H-1", 0, 0},
        {"&H" + std::string(10'000, 'F'), 0, 0}, {"+", 0, 0}, {"-", 0, 0}, {"+-", 0, 0},
        {"-.", 0, 0}, {"-0", 0, 0}, {"+10", 10, 10}, {"−", 0, 0}, {"１００", 100, 100},
        {"１００１", 0, 0}, {"＋１０", 10, 10}, {"－１", 0, 0}, {"９．９９", 0, 9}, {"＆Ｈ６４", 100, 100},
        {"１Ｅ３", 1000, 1000}, {"１　０　０", 100, 100}, {"\x01"s + "100", 0, 0}, {"100\x07", 100, 100},
        {"\r100", 0, 0}, {"\n\t100", 100, 100}, {"5\0"s + "00", 0, 5}, {"\x1b[A", 0, 0},
        {"\xff"s + "50", 0, 0}, {"50\xff", 50, 50}, {"nan", 0, 0}, {"inf", 0, 0}, {"0x10", 0, 0}};
    // clang-format on
    for (const auto& [answer, customers, trials] : cases) {
        ExpectEntry(answer, customers, trials);
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
