#include "engine/mean_format.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatMean, WritesTheMeanLikeTheLabelPattern) {
    const std::pair<float, const char*> cases[] = {
        {-4.0F, "-4.0"},   {-4.5F, "-4.5"},  {-8.25F, "-8.3"},      {-0.5F, "-.5"},
        {0.0F, ".0"},      {0.5F, ".5"},     {1.0F, "1.0"},         {-12.34F, "-12.3"},
        {-9.95F, "-10.0"}, {-2.05F, "-2.1"}, {-999.96F, "-1000.0"}, {-3.0F / 7.0F, "-.4"},
        {-0.04F, ".0"},  // a negative mean that rounds to zero shows no sign
    };
    for (const auto& [mean, text] : cases) {
        EXPECT_EQ(engine::FormatMean(mean), text) << "mean " << mean;
    }
}

}  // namespace
