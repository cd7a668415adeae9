#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "form/texts.h"

// What a screen reader is told of the graph and the help text, composed alike
// in both editions.
namespace form::spoken {

// Where part of what is read stands as printed: on which printed line (its
// number from 0 and its text), from which character, for how many characters.
struct Printed {
    int line;
    std::string_view lineText;
    int column;
    int length;
    friend bool operator==(const Printed&, const Printed&) = default;
};

// One entry a screen reader reads: a bar of the graph, or a heading or a
// sentence of the help text with the places it was printed.
struct Entry {
    std::string text;
    bool heading = false;
    std::vector<Printed> printed;
    friend bool operator==(const Entry&, const Entry&) = default;
};

// The help text as it is read rather than printed: each section's head a
// heading, each sentence whole, its lines joined without their indents where
// the printing broke it, even inside a word.
std::vector<Entry> HelpReading();

// "度数分布のグラフ　実験回数 300回　不足枚数の平均 -5.4"
inline std::string GraphOutcome(int trials, std::string_view meanText) {
    std::string name(texts::kGraphName);
    name += texts::kGraphTrialsBefore;
    name += std::to_string(trials);
    name += texts::kGraphTrialsAfter;
    name += texts::kGraphMeanBefore;
    name += meanText;
    return name;
}

// One bar with trials: "-35　12回", "-115以下　3回".
inline std::string GraphRow(std::string_view axisValue, int trials) {
    std::string row(axisValue);
    row += texts::kNameSeparator;
    row += std::to_string(trials);
    row += texts::kGraphTrialsAfter;
    return row;
}

}  // namespace form::spoken
