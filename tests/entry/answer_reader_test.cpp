#include "entry/answer_reader.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr double kInf = std::numeric_limits<double>::infinity();

void ExpectReads(const std::vector<std::pair<std::string, double>>& cases) {
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(entry::ReadLeadingNumber(text), expected)
            << "text: \"" << text.substr(0, 40) << "\" (" << text.size() << " bytes)";
    }
}

TEST(ReadLeadingNumber, ReadsTheLeadingDecimalNumber) {
    ExpectReads({{"10", 10},     {"9.99", 9.99}, {"-20", -20},  {"10.9", 10.9}, {"+7", 7},
                 {".5", 0.5},    {"-.5", -0.5},  {"12abc", 12}, {"1,000", 1},   {"1.5.6", 1.5},
                 {"2E3", 2000},  {"1e-2", 0.01}, {"1E", 1},     {"1E+", 1},     {"1 000", 1000},
                 {"\t1\n2", 12}, {"1\r2", 1},    {"abc", 0},    {"", 0},        {"   ", 0},
                 {"-", 0},       {".", 0},       {"+-5", 0},    {"$5", 0},      {"e5", 0},
                 {"nan", 0},     {"inf", 0},     {"0x10", 0},   {"-0", 0},      {"+inf", 0},
                 {"-nan", 0},    {"+.5", 0.5},   {"1.e2", 100}, {"-.e5", 0},    {"1e+-5", 1},
                 {"infinity", 0}});
}

TEST(ReadLeadingNumber, ReadsFullWidthFormsAndHexOrOctal) {
    ExpectReads({{"１２３", 123},
                 {"－５", -5},
                 {"１．５", 1.5},
                 {"＆Ｈ１Ｆ", 31},
                 {"１Ｅ２", 100},
                 {"１　０", 10},
                 {"５円", 5},
                 {"−7", -7},
                 {"&H1F", 31},
                 {"&o17", 15},
                 {"&h3E8", 1000},
                 {"&O178", 15},
                 {"&O9", 0},
                 {"&H", 0},
                 {"&", 0},
                 {"&X12", 0},
                 {"-&H10", 0},
                 {"&H-1", 0}});
}

// Answers no one types on purpose: huge, long, control characters and bytes
// that are not UTF-8.
TEST(ReadLeadingNumber, HostileAnswersReadAsANumberOrNothing) {
    const std::string blanks(10'000, ' ');
    // clang-format off
    ExpectReads({{"1e400", kInf}, {"-1e400", -kInf}, {"1e99999999999999999999", kInf},
                 {std::string(400, '9'), kInf}, {"1e-400", 0}, {"0e99999999999999999999", 0},
                 // Digits and exponent are weighed together, not the exponent alone.
                 {"1" + std::string(400, '0') + "e-400", 1}, {std::string(10'000, '1'), kInf},
                 {"0.001e+400", kInf},
                 // Exponents past any integer, or at its ends.
                 {"1e-99999999999999999999", 0}, {"10e9223372036854775807", kInf},
                 {"0.01e-9223372036854775808", 0},
                 {"&H" + std::string(10'000, 'F'), kInf}, {blanks + "100", 100},
                 {"100" + blanks + "x", 100}, {std::string(9'998, '0') + "10", 10},
                 {"999.99999999999999999", 1000}, {"1000.0000000000002", 1000.0000000000002},
                 {"0." + std::string(9'997, '0') + "1", 0}, {"\x01"s + "100", 0},
                 {"100\x07", 100}, {"5\0"s + "00", 5}, {"\x1b[A", 0}, {"\xff"s + "50", 0},
                 {"50\xff", 50},
                 {"\2005", 0},       // stray continuation byte
                 {"5\2006", 5},      // stray continuation byte inside
                 {"\xC0\xB1", 0},    // overlong '1'
                 {"7\357\2748", 7},  // truncated before a digit
                 {std::string(1'000'000, ' ') + "7", 7}});
    // clang-format on
    // The bytes past the view's end would complete a full-width '1'.
    EXPECT_EQ(entry::ReadLeadingNumber(std::string_view("7\xEF\xBC\x91", 3)), 7);
}

}  // namespace
