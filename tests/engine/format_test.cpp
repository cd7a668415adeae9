#include "engine/format.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    float mean;
    const char* text;
};

TEST(Format, WritesTheMeanLikeTheLabelPattern) {
    const FormatCase cases[] = {
        {-4.0F, "-4.0"},    {-4.5F, "-4.5"},       {-8.25F, "-8.3"},      {-0.5F, "-.5"},
        {0.0F, ".0"},       {0.5F, ".5"},          {1.0F, "1.0"},         {-4.21F, "-4.2"},
        {-12.34F, "-12.3"}, {-999.96F, "-1000.0"}, {-1000.0F, "-1000.0"}, {0.05F, ".1"},
        {-0.05F, "-.1"},    {-9.95F, "-10.0"},     {-0.96F, "-1.0"},      {-2.05F, "-2.1"},
        {-0.25F, "-.3"},    {-3.0F / 7.0F, "-.4"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(engine::Format(c.mean), c.text) << "mean " << c.mean;
    }
}

TEST(Format, NegativeMeanThatRoundsToZeroShowsNoSign) {
    EXPECT_EQ(engine::Format(-0.04F), ".0");
    EXPECT_EQ(engine::Format(-0.001F), ".0");
    EXPECT_EQ(engine::Format(-0.0F), ".0");
}

}  // namespace
