#include "entry/answer_reader.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace entry {

namespace {

constexpr char kStop = '\0';  // a character no number can contain

// Keeps exponent and order arithmetic far from int64 overflow; any value past
// it is already out of a double's range.
constexpr std::int64_t kSaturation = 1'000'000'000'000;

// Past this many significant digits the rest only matters as "was anything
// nonzero", which one extra digit records (halfway points need fewer digits).
constexpr std::size_t kMaxDigits = 800;

// Beyond these decimal orders a double is certainly infinite or zero.
constexpr std::int64_t kHighestOrder = 310;
constexpr std::int64_t kLowestOrder = -330;

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

// Walks the text as ASCII characters with blanks already dropped.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    char Peek() {
        while (pos_ < text_.size()) {
            const Character c = At(text_, pos_);
            if (!c.blank) {
                length_ = c.length;
                return c.ascii;
            }
            pos_ += c.length;
        }
        length_ = 0;
        return kStop;
    }

    void Skip() {
        Peek();
        pos_ += length_;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t length_ = 0;
};

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

std::int64_t Saturate(std::int64_t value) {
    return value > kSaturation ? kSaturation : (value < -kSaturation ? -kSaturation : value);
}

// The text after '&'. Large values just round on the way to infinity.
double ReadRadix(Reader& in) {
    int radix = 0;
    const char letter = in.Peek();
    if (letter == 'H' || letter == 'h') {
        radix = 16;
    } else if (letter == 'O' || letter == 'o') {
        radix = 8;
    } else {
        return 0.0;
    }
    in.Skip();
    double value = 0.0;
    for (int digit = DigitValue(in.Peek(), radix); digit >= 0;
         digit = DigitValue(in.Peek(), radix)) {
        value = value * radix + digit;
        in.Skip();
    }
    return value;
}

// A decimal mantissa as 0.digits × 10^order, leading zeros already dropped.
struct Mantissa {
    std::string digits;
    std::int64_t order = 0;
    bool droppedNonzero = false;

    void Add(char digit, bool inFraction) {
        if (digits.empty() && digit == '0') {
            if (inFraction) {
                order = Saturate(order - 1);
            }
            return;
        }
        if (!inFraction) {
            order = Saturate(order + 1);
        }
        if (digits.size() < kMaxDigits) {
            digits.push_back(digit);
        } else if (digit != '0') {
            droppedNonzero = true;
        }
    }
};

// The exponent is the last thing read, so "E" without digits (as in "1E+")
// simply adds nothing.
std::int64_t ReadExponent(Reader& in) {
    const char letter = in.Peek();
    if (letter != 'E' && letter != 'e') {
        return 0;
    }
    in.Skip();
    const char sign = in.Peek();
    if (sign == '+' || sign == '-') {
        in.Skip();
    }
    std::int64_t exponent = 0;
    for (char c = in.Peek(); IsDigit(c); c = in.Peek()) {
        exponent = Saturate(exponent * 10 + (c - '0'));
        in.Skip();
    }
    return sign == '-' ? -exponent : exponent;
}

double Magnitude(const Mantissa& mantissa, std::int64_t exponent) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (mantissa.digits.empty()) {
        return 0.0;
    }
    const std::int64_t order = mantissa.order + exponent;
    if (order > kHighestOrder) {
        return kInfinity;
    }
    if (order < kLowestOrder) {
        return 0.0;
    }
    // from_chars rather than strtod: the application sets a locale, which could
    // change the decimal separator strtod expects.
    std::string text = "0." + mantissa.digits;
    if (mantissa.droppedNonzero) {
        text.push_back('1');
    }
    text += 'e' + std::to_string(order);
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return order > 0 ? kInfinity : 0.0;
    }
    return value;
}

double ReadDecimal(Reader& in) {
    const char sign = in.Peek();
    if (sign == '+' || sign == '-') {
        in.Skip();
    }
    Mantissa mantissa;
    bool sawDigit = false;
    bool sawPoint = false;
    for (char c = in.Peek();; c = in.Peek()) {
        if (IsDigit(c)) {
            mantissa.Add(c, sawPoint);
            sawDigit = true;
        } else if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        in.Skip();
    }
    if (!sawDigit) {
        return 0.0;
    }
    const double magnitude = Magnitude(mantissa, ReadExponent(in));
    return sign == '-' ? -magnitude : magnitude;
}

}  // namespace

double ReadLeadingNumber(std::string_view utf8Text) {
    Reader in(utf8Text);
    if (in.Peek() == '&') {
        in.Skip();
        return ReadRadix(in);
    }
    return ReadDecimal(in);
}

}  // namespace entry
