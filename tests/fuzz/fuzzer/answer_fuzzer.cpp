// Any byte string of any length reads as a number or ±infinity: never a
// crash, a hang, undefined behaviour or NaN.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "entry/answer_reader.h"

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
    return 0;
}
