#include "entry/parameter_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using entry::EntryStep;

// Each answer, then the count each question keeps; 0 means refused, and the
// same box comes back without a word.
TEST(ParameterEntry, TheRangeHoldsForTheValueAsReadAndTheWholePartIsKept) {
    const std::tuple<const char*, int, int> cases[] = {
        {"10", 10, 10},   {"1000", 1000, 1000}, {"9.99", 0, 9}, {"1001", 0, 0},
        {"-20", 0, 0},    {"10.9", 10, 10},     {"0.5", 0, 0},  {"1.5", 0, 1},
        {"1000.5", 0, 0}, {"abc", 0, 0},        {"　　", 0, 0}, {"1e400", 0, 0},
    };
    for (const auto& [answer, customers, trials] : cases) {
        entry::ParameterEntry customerEntry;
        const auto customer = customerEntry.AnswerCount(answer);
        EXPECT_EQ(customer ? customer->count : 0, customers) << '"' << answer << "\" for customers";
        EXPECT_EQ(&customerEntry.Question(),
                  customers == 0 ? &entry::kCustomerQuestion : &entry::kTrialQuestion)
            << answer;

        entry::ParameterEntry trialEntry;
        ASSERT_TRUE(trialEntry.AnswerCount("35"));
        const auto trial = trialEntry.AnswerCount(answer);
        EXPECT_EQ(trial ? trial->count : 0, trials) << '"' << answer << "\" for trials";
        EXPECT_EQ(trialEntry.Next(), trials == 0 ? EntryStep::AskCount : EntryStep::Done) << answer;
    }
}

// The boxes a user meets, in order: an empty answer asks whether to end, No
// asks the same question again, and the first count stays as accepted.
TEST(ParameterEntry, EmptyAnswerOffersToEndAndNoAsksTheSameQuestionAgain) {
    entry::ParameterEntry entry;
    std::string boxes;
    const auto answer = [&](const char* text) {
        boxes += entry.Question().title;
        boxes += '|';
        return entry.AnswerCount(text);
    };
    const auto end = [&](bool yes) {
        EXPECT_EQ(entry.Next(), EntryStep::AskWhetherToEnd);
        boxes += "end|";
        entry.AnswerWhetherToEnd(yes);
    };
    EXPECT_FALSE(answer(""));
    end(false);
    EXPECT_FALSE(answer("5"));
    EXPECT_EQ(answer("35")->question, &entry::kCustomerQuestion);
    EXPECT_FALSE(answer(""));
    end(false);
    EXPECT_EQ(answer("100")->count, 100);
    const std::string customers = std::string(entry::kCustomerQuestion.title) + '|';
    const std::string trials = std::string(entry::kTrialQuestion.title) + '|';
    EXPECT_EQ(boxes, customers + "end|" + customers + customers + trials + "end|" + trials);
    ASSERT_EQ(entry.Next(), EntryStep::Done);
    EXPECT_EQ(entry.RunSize().customers, 35);
    EXPECT_EQ(entry.RunSize().trials, 100);
}

// Yes ends at either question, and nothing is asked after it.
TEST(ParameterEntry, YesEndsAtOnce) {
    for (const bool atTrials : {false, true}) {
        entry::ParameterEntry entry;
        if (atTrials) {
            ASSERT_TRUE(entry.AnswerCount("35"));
        }
        entry.AnswerCount("");
        entry.AnswerWhetherToEnd(true);
        EXPECT_EQ(entry.Next(), EntryStep::EndProgram) << atTrials;
        EXPECT_FALSE(entry.AnswerCount("50")) << atTrials;
        EXPECT_EQ(entry.Next(), EntryStep::EndProgram) << atTrials;
    }
}

}  // namespace
