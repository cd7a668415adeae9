#include "main_window/parameter_entry.h"

#include <gtest/gtest.h>

#include "support/scripted_boxes.h"

namespace {

using main_window::kCustomerQuestion;
using main_window::kTrialQuestion;

const std::string kCustomerBox = "ask お客人数の設定 [100]";
const std::string kTrialBox = "ask 実験回数の設定 [100]";
const std::string kEndBox = "確認 終了していいですか？";

// Each answer, then the count each question keeps; 0 means refused, and the
// same box comes back without a word.
TEST(AskCount, TheRangeHoldsForTheValueAsReadAndTheWholePartIsKept) {
    const std::tuple<const char*, int, int> cases[] = {
        {"10", 10, 10},   {"1000", 1000, 1000}, {"9.99", 0, 9}, {"1001", 0, 0},
        {"-20", 0, 0},    {"10.9", 10, 10},     {"0.5", 0, 0},  {"1.5", 0, 1},
        {"1000.5", 0, 0}, {"abc", 0, 0},        {"　　", 0, 0}, {"1e400", 0, 0},
    };
    for (const auto& [answer, customers, trials] : cases) {
        for (const bool customer : {true, false}) {
            const int expected = customer ? customers : trials;
            test_support::ScriptedBoxes boxes;
            boxes.answers = {answer, "77"};
            EXPECT_EQ(
                main_window::AskCount(customer ? kCustomerQuestion : kTrialQuestion, boxes, boxes),
                expected == 0 ? 77 : expected)
                << '"' << answer << "\" for " << (customer ? "customers" : "trials");
            EXPECT_EQ(boxes.asked, expected == 0 ? 2 : 1) << answer;
        }
    }
}

TEST(AskCount, EmptyAnswerOffersToEndAndNoAsksTheSameBoxAgain) {
    test_support::ScriptedBoxes boxes;
    boxes.answers = {"", "5", "35", "", "100"};
    boxes.yesNo = {main_window::Answer::No, main_window::Answer::No};
    EXPECT_EQ(main_window::AskCount(kCustomerQuestion, boxes, boxes), 35);
    EXPECT_EQ(main_window::AskCount(kTrialQuestion, boxes, boxes), 100);
    EXPECT_EQ(boxes.log, (std::vector<std::string>{kCustomerBox, kEndBox, kCustomerBox,
                                                   kCustomerBox, kTrialBox, kEndBox, kTrialBox}));
}

TEST(AskCount, YesEndsAtOnce) {
    test_support::ScriptedBoxes boxes;
    boxes.answers = {""};
    boxes.yesNo = {main_window::Answer::Yes};
    EXPECT_THROW(main_window::AskCount(kTrialQuestion, boxes, boxes), test_support::ExitRequested);
    EXPECT_EQ(boxes.log.back(), kEndBox);  // nothing is asked after the Yes
}

}  // namespace
