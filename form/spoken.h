#pragma once

#include <string>
#include <string_view>

#include "form/texts.h"

// What a screen reader is told of the graph, composed alike in both editions.
namespace form::spoken {

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
