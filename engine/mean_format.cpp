#include "engine/mean_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "engine/fault.h"

namespace engine {

std::string FormatMean(float value) {
    if (!std::isfinite(value)) {
        StopOnFault("a mean that is not a finite number");
    }
    // Round the shortest decimal that reads back as this float, not its exact
    // binary value: a mean of -2.05 is stored a hair above -2.05 but must still
    // round away from zero to -2.1.
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    if (error != std::errc()) {
        StopOnFault("a mean that cannot be written out");
    }
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    std::string digits(text.substr(0, point));  // integer part
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);

    digits.push_back(fraction.empty() ? '0' : fraction[0]);  // tenths
    if (fraction.size() > 1 && fraction[1] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const bool roundsToZero = firstNonZero == std::string::npos;
    std::string integerPart = digits.substr(0, digits.size() - 1);
    integerPart.erase(0, integerPart.find_first_not_of('0') == std::string::npos
                             ? integerPart.size()
                             : integerPart.find_first_not_of('0'));

    std::string result;
    if (negative && !roundsToZero) {
        result.push_back('-');
    }
    result += integerPart;
    result.push_back('.');
    result.push_back(digits.back());
    return result;
}

}  // namespace engine
