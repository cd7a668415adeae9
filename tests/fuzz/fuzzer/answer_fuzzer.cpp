// Any byte string of any length reads as a number or ±infinity: never a
// crash, a hang, undefined behaviour or NaN; a plain ASCII decimal reads as
// the standard library reads it.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "entry/answer_reader.h"

namespace {

// "-12", "1000", "10.25": an optional minus, digits, and digits after one point.
bool PlainDecimal(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
        }
        return i > from;
    };
    if (!digits()) {
        return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits()) {
            return false;
        }
    }
    return i == text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = entry::ReadLeadingNumber(text);
    if (std::isnan(value)) {
        __builtin_trap();
    }
    // Blanks are ignored wherever they stand, in front included.
    if (entry::ReadLeadingNumber(" " + std::string(text)) != value) {
        __builtin_trap();
    }
    if (PlainDecimal(text)) {
        double expected = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
        if (error == std::errc() && end == text.data() + text.size() && value != expected) {
            __builtin_trap();
        }
    }
    return 0;
}
