#pragma once

#include <optional>
#include <string_view>

#include "engine/experiment.h"

// Parameter entry as steps, so that a modal loop on the desktop and the
// events of a browser's boxes drive the same rules: the caller shows what
// Next() asks for and hands the box's answer back.
namespace entry {

// One of the two questions, asked in this order.
struct CountQuestion {
    std::string_view prompt;
    std::string_view title;
    std::string_view defaultText;
    engine::CountRange range;
};
extern const CountQuestion kCustomerQuestion;
extern const CountQuestion kTrialQuestion;

// What parameter entry asks for next.
enum class EntryStep {
    AskCount,         // the input box of Question(), starting with its default text
    AskWhetherToEnd,  // the yes/no box that follows an empty answer
    Done,             // both counts are in: RunSize() holds them
    EndProgram,       // the user chose to end the program
};

// An accepted count, and which question it answers.
struct AcceptedCount {
    const CountQuestion* question;
    int count;
};

class ParameterEntry {
public:
    EntryStep Next() const { return next_; }
    const CountQuestion& Question() const { return *asking_; }

    // The input box's answer. An empty one leads to the end question; one
    // that reads as a number in range gives its whole part, and entry moves
    // on to the next question; any other asks the same question again.
    std::optional<AcceptedCount> AnswerCount(std::string_view text);
    // The yes/no box's answer: Yes ends the program, No asks the same
    // question again.
    void AnswerWhetherToEnd(bool yes);

    // Both counts, once Next() is EntryStep::Done.
    engine::RunSize RunSize() const { return size_; }

private:
    const CountQuestion* asking_ = &kCustomerQuestion;
    EntryStep next_ = EntryStep::AskCount;
    engine::RunSize size_{0, 0};
};

}  // namespace entry
