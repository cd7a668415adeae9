#include "main_window/val.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace main_window {

namespace {

constexpr char32_t kInvalid = 0x110000;  // beyond Unicode: stands for a malformed byte
constexpr char kStop = '\0';             // a character no number can contain

// Keeps exponent and order arithmetic far from int64 overflow; any value past
// it is already out of a double's range.
constexpr std::int64_t kSaturation = 1'000'000'000'000;

// Past this many significant digits the rest only matters as "was anything
// nonzero", which one extra digit records (halfway points need fewer digits).
constexpr std::size_t kMaxDigits = 800;

// Beyond these decimal orders a double is certainly infinite or zero.
constexpr std::int64_t kHighestOrder = 310;
constexpr std::int64_t kLowestOrder = -330;

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// Strict UTF-8: overlongs, surrogates and truncated sequences are malformed,
// and a malformed sequence costs one byte so decoding always advances.
Decoded DecodeAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80U) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    unsigned char low = 0x80U;
    unsigned char high = 0xBFU;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
        codePoint = lead & 0x1FU;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        codePoint = lead & 0x0FU;
        low = lead == 0xE0U ? 0xA0U : low;
        high = lead == 0xEDU ? 0x9FU : high;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        codePoint = lead & 0x07U;
        low = lead == 0xF0U ? 0x90U : low;
        high = lead == 0xF4U ? 0x8FU : high;
    } else {
        return {kInvalid, 1};
    }
    if (text.size() - pos < length) {
        return {kInvalid, 1};
    }
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < low || second > high) {
        return {kInvalid, 1};
    }
    codePoint = (codePoint << 6) | (second & 0x3FU);
    for (std::size_t i = 2; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte)) {
            return {kInvalid, 1};
        }
        codePoint = (codePoint << 6) | (byte & 0x3FU);
    }
    return {codePoint, length};
}

bool IsBlank(char32_t codePoint) {
    return codePoint == U' ' || codePoint == U'\t' || codePoint == U'\n' || codePoint == U'\u3000';
}

// Full-width forms are what an IME types in Japanese mode, so they read as ASCII.
char ToAscii(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<char>(codePoint);
    }
    if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
        return static_cast<char>(codePoint - 0xFEE0);
    }
    if (codePoint == U'\u2212') {
        return '-';
    }
    return kStop;
}

// Walks the text as ASCII characters with blanks already dropped.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    char Peek() {
        while (pos_ < text_.size()) {
            const Decoded decoded = DecodeAt(text_, pos_);
            if (!IsBlank(decoded.codePoint)) {
                length_ = decoded.length;
                return ToAscii(decoded.codePoint);
            }
            pos_ += decoded.length;
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

double Val(std::string_view utf8Text) {
    Reader in(utf8Text);
    if (in.Peek() == '&') {
        in.Skip();
        return ReadRadix(in);
    }
    return ReadDecimal(in);
}

}  // namespace main_window
