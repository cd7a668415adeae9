#include "entry/answer_reader.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace entry {

namespace {

constexpr char kStop = '\0';  // a character no number can contain

// Every character a number can hold: digits, hexadecimal letters, the radix
// letters, the prefix, signs, the point and the exponent's E.
constexpr std::string_view kNumberCharacters = "0123456789ABCDEFabcdefHhOo&+-.";

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// One character of the answer as ASCII: full-width forms are what an input
// method types in Japanese mode, so they read as their ASCII twins. Anything
// else outside ASCII, malformed UTF-8 included, is a character that ends the
// number. `length` is how many bytes it takes; `blank` marks the dropped ones.
struct Character {
    char ascii;
    std::size_t length;
    bool blank;
};

Character At(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0U;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80U) {
        const char c = static_cast<char>(lead);
        return {c, 1, c == ' ' || c == '\t' || c == '\n'};
    }
    const unsigned second = byte(1);
    const unsigned third = byte(2);
    if (lead == 0xEFU && second == 0xBCU && third >= 0x81U && third <= 0xBFU) {
        return {static_cast<char>(third - 0x60U), 3, false};  // U+FF01..U+FF3F
    }
    if (lead == 0xEFU && second == 0xBDU && third >= 0x80U && third <= 0x9EU) {
        return {static_cast<char>(third - 0x20U), 3, false};  // U+FF40..U+FF5E
    }
    if (lead == 0xE3U && second == 0x80U && third == 0x80U) {
        return {kStop, 3, true};  // U+3000 ideographic space
    }
    if (lead == 0xE2U && second == 0x88U && third == 0x92U) {
        return {'-', 3, false};  // U+2212 minus sign
    }
    return {kStop, 1, false};
}

// The answer as the plain ASCII text its number is read from: blanks dropped,
// full-width forms folded, cut at the first character no number can hold.
std::string Normalise(std::string_view text) {
    std::string ascii;
    for (std::size_t pos = 0; pos < text.size();) {
        const Character c = At(text, pos);
        pos += c.length;
        if (c.blank) {
            continue;
        }
        if (kNumberCharacters.find(c.ascii) == std::string_view::npos) {
            break;
        }
        ascii.push_back(c.ascii);
    }
    return ascii;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int radix) {
    int value = radix;
    if (IsDigit(c)) {
        value = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    }
    return value < radix ? value : -1;
}

// The text after '&'. Large values just round on the way to infinity.
double ReadRadix(std::string_view text) {
    int radix = 0;
    const char letter = text.empty() ? kStop : text.front();
    if (letter == 'H' || letter == 'h') {
        radix = 16;
    } else if (letter == 'O' || letter == 'o') {
        radix = 8;
    } else {
        return 0.0;
    }
    double value = 0.0;
    for (const char c : text.substr(1)) {
        const int digit = DigitValue(c, radix);
        if (digit < 0) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// Whether a number from_chars found out of range is too large rather than too
// small: only the sign of its decimal order matters, which is the digits
// before the point, less the zeros after it, plus the exponent.
bool Overflows(std::string_view number) {
    const std::size_t mark = number.find_first_of("Ee");
    const std::string_view digits = number.substr(0, mark);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    // A zero is never out of range, so there is a nonzero digit.
    const std::size_t first = digits.find_first_not_of("0.");
    const auto order = static_cast<std::int64_t>(point) - static_cast<std::int64_t>(first);
    std::string_view text = mark == std::string_view::npos ? "" : number.substr(mark + 1);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    std::int64_t exponent = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), exponent).ec ==
        std::errc::result_out_of_range) {
        // Past any integer, the exponent outweighs any order a text can hold.
        return !text.starts_with('-');
    }
    return exponent > -order;  // order + exponent could overflow
}

double ReadDecimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    // from_chars would also take a second sign, "inf" and "nan".
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '.')) {
        return 0.0;
    }
    // from_chars rather than strtod: the application sets a locale, which could
    // change the decimal separator strtod expects.
    double magnitude = 0.0;  // kept by a point without digits, as in ".e5"
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        // libstdc++ then leaves the value as it was, as the standard asks.
        magnitude =
            Overflows({text.data(), static_cast<std::size_t>(end - text.data())}) ? kInfinity : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

double ReadLeadingNumber(std::string_view utf8Text) {
    const std::string text = Normalise(utf8Text);
    if (text.starts_with('&')) {
        return ReadRadix(std::string_view(text).substr(1));
    }
    return ReadDecimal(text);
}

}  // namespace entry
