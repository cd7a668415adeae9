#include "entry/parameter_entry.h"

#include <cmath>

#include "entry/answer_reader.h"
#include "form/texts.h"

namespace entry {

const CountQuestion kCustomerQuestion{form::texts::kCustomerPrompt, form::texts::kCustomerTitle,
                                      form::texts::kDefaultAnswer, engine::kCustomerRange};
const CountQuestion kTrialQuestion{form::texts::kTrialPrompt, form::texts::kTrialTitle,
                                   form::texts::kDefaultAnswer, engine::kTrialRange};

std::optional<AcceptedCount> ParameterEntry::AnswerCount(std::string_view text) {
    if (next_ != EntryStep::AskCount) {
        return std::nullopt;
    }
    if (text.empty()) {
        next_ = EntryStep::AskWhetherToEnd;
        return std::nullopt;
    }
    // The bounds hold for the value as read; its whole part is taken after.
    // NaN and the infinities of out-of-range numbers fail these tests too.
    const double value = ReadLeadingNumber(text);
    if (!(value >= asking_->range.lowest && value <= asking_->range.highest)) {
        return std::nullopt;
    }
    const AcceptedCount accepted{asking_, static_cast<int>(std::floor(value))};
    if (asking_ == &kCustomerQuestion) {
        size_.customers = accepted.count;
        asking_ = &kTrialQuestion;
    } else {
        size_.trials = accepted.count;
        next_ = EntryStep::Done;
    }
    return accepted;
}

void ParameterEntry::AnswerWhetherToEnd(bool yes) {
    if (next_ == EntryStep::AskWhetherToEnd) {
        next_ = yes ? EntryStep::EndProgram : EntryStep::AskCount;
    }
}

}  // namespace entry
