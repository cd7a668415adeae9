#include "main_window/val.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

using main_window::Val;
using namespace std::string_literals;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    std::string text;
    double expected;
};

void ExpectReads(std::initializer_list<Case> cases) {
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Val(text), expected) << "text: \"" << text << '"';
    }
}

// Decimal digits of 5^n, which are those of 2^-n scaled by 10^n.
std::string PowerOfFive(int n) {
    std::string reversed = "1";
    for (int i = 0; i < n; ++i) {
        int carry = 0;
        for (char& digit : reversed) {
            const int product = (digit - '0') * 5 + carry;
            digit = static_cast<char>('0' + product % 10);
            carry = product / 10;
        }
        if (carry > 0) {
            reversed.push_back(static_cast<char>('0' + carry));
        }
    }
    return {reversed.rbegin(), reversed.rend()};
}

}  // namespace

TEST(Val, ReadsTheLeadingDecimalNumber) {
    ExpectReads({{"10", 10},        {"1000", 1000}, {"9.99", 9.99},     {"-20", -20},
                 {"10.9", 10.9},    {"0.1", 0.1},   {"1000.5", 1000.5}, {"+7", 7},
                 {"007", 7},        {".5", 0.5},    {"-.5", -0.5},      {"5.", 5},
                 {"12abc", 12},     {"1,000", 1},   {"1.5.6", 1.5},     {"1e3.5", 1000},
                 {"1e3", 1000},     {"2E3", 2000},  {"1e-2", 0.01},     {"1E", 1},
                 {"1E+", 1},        {"1E-x", 1},    {"1 000", 1000},    {"\t1\n2", 12},
                 {" 1 e 3 ", 1000}, {"1\r2", 1},    {"abc", 0},         {"", 0},
                 {"   ", 0},        {"-", 0},       {".", 0},           {"+", 0},
                 {"+-5", 0},        {"$5", 0},      {"e5", 0},          {".e5", 0}});
}

TEST(Val, ReadsFullWidthFormsAsAscii) {
    ExpectReads({{"１２３", 123},
                 {"－５", -5},
                 {"１．５", 1.5},
                 {"＆Ｈ１Ｆ", 31},
                 {"１Ｅ２", 100},
                 {"＋７", 7},
                 {"１　０", 10},
                 {"−5", -5},
                 {"５円", 5},
                 {"１，０００", 1},
                 {"10\u00A00", 10},
                 {"\u3000", 0}});
}

TEST(Val, ReadsHexAndOctalAfterAmpersand) {
    ExpectReads({{"&H1F", 31},
                 {"&o17", 15},
                 {"&HFF", 255},
                 {"&hffff", 65535},
                 {"&h3E8", 1000},
                 {"&H1E2", 482},
                 {"& H 1 F", 31},
                 {"&O178", 15},
                 {"&H1F.5", 31},
                 {"&O8", 0},
                 {"&H", 0},
                 {"&HG", 0},
                 {"&", 0},
                 {"&X12", 0},
                 {"&H-1", 0},
                 {"-&H10", 0},
                 {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0}});
}

TEST(Val, SaturatesOutOfRangeMagnitudes) {
    const double kMax = std::numeric_limits<double>::max();
    const double kTiniest = std::numeric_limits<double>::denorm_min();
    ExpectReads({{"1e400", kInf},
                 {"-1e400", -kInf},
                 {"1e99999999999999999999", kInf},
                 {"-1e99999999999999999999", -kInf},
                 {std::string(400, '9'), kInf},
                 {"1.8e308", kInf},
                 {"1.7976931348623157e308", kMax},
                 {"1e-400", 0},
                 {"1e-99999999999999999999", 0},
                 {"0e99999999999999999999", 0},
                 {"3e-324", kTiniest},
                 {"2e-324", 0},
                 // Digits and exponent must be weighed together, not the exponent alone.
                 {"1" + std::string(400, '0') + "e-400", 1},
                 {"." + std::string(399, '0') + "1e400", 1}});
}

TEST(Val, RoundsLongMantissasCorrectly) {
    // 2^-1075 lies halfway between 0 and the smallest double and takes 753
    // digits: a tie goes to even (0) unless any later digit tips it up.
    const std::string half = PowerOfFive(1075);
    const std::string zeros(100, '0');
    ExpectReads({{half + "e-1075", 0},
                 {half + zeros + "e-1175", 0},
                 {half + zeros + "1e-1176", std::numeric_limits<double>::denorm_min()}});
}

TEST(Val, TreatsMalformedUtf8AsAStop) {
    // Octal escapes where a digit follows, since \x would swallow it.
    ExpectReads({{"\2005", 0},             // stray continuation byte first
                 {"5\2006", 5},            // stray continuation byte inside
                 {"\xC0\xB1", 0},          // overlong '1'
                 {"5\340\200\2406", 5},    // overlong blank
                 {"\xF0\x8F\xBC\x91", 0},  // overlong full-width '1'
                 {"7\xEF\xBC", 7},         // truncated at the end
                 {"7\357\2748", 7},        // truncated before a digit
                 {"7\xEF\xBCQ", 7},  // not a continuation byte, though its low bits make '１'
                 {"\3771", 0},       // never valid in UTF-8
                 {"9\xF8", 9},
                 {"12\0003"s, 12}});
    // The bytes past the view's end would complete a full-width '1'.
    EXPECT_EQ(Val(std::string_view("7\xEF\xBC\x91", 3)), 7);
}

TEST(Val, HandlesLongInputs) {
    ExpectReads({{std::string(10'000, '1'), kInf},
                 {"&H" + std::string(10'000, 'F'), kInf},
                 {"&O" + std::string(10'000, '7'), kInf},
                 {std::string(1'000'000, ' ') + "7", 7}});
}
