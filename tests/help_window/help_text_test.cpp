#include "help_window/help_text.h"

#include <gtest/gtest.h>

#include <array>

#include "engine/fakes.h"

namespace {

// Full-width spaces at the start of a line.
int Indent(std::string_view line) {
    int count = 0;
    while (line.substr(0, 3) == "\u3000") {
        line.remove_prefix(3);
        ++count;
    }
    return count;
}

TEST(HelpText, PrintedOnAClearedAreaLineByLineWithFixedIndents) {
    test::RecordingSurface area;
    help_window::PrintHelpText(area);
    ASSERT_EQ(area.ops.size(), 30U);
    EXPECT_EQ(area.ops[0], "Cls");
    EXPECT_EQ(area.ops[2], "P 　【問　　題】");

    // -1 marks an empty line, printed as a bare line feed.
    constexpr std::array<int, 29> kIndents = {-1, 1, 8, 8, 8, 8,  7, 8, 7, 8, 8, -1, 1, 8, 7,
                                              7,  8, 7, 8, 7, -1, 1, 8, 8, 9, 8, 9,  9, 8};
    for (std::size_t line = 0; line < kIndents.size(); ++line) {
        const std::string& op = area.ops[line + 1];
        SCOPED_TRACE(line + 1);
        if (kIndents[line] < 0) {
            EXPECT_EQ(op, "P");
            continue;
        }
        ASSERT_EQ(op.substr(0, 2), "P ");
        const std::string_view text = std::string_view(op).substr(2);
        EXPECT_EQ(Indent(text), kIndents[line]);
        // Only the two lines about the operation use half-width parentheses.
        const bool halfWidth = text.find_first_of("()") != std::string_view::npos;
        EXPECT_EQ(halfWidth, line + 1 == 23 || line + 1 == 24);
        EXPECT_EQ(text.find('\t'), std::string_view::npos);
    }
}

}  // namespace
