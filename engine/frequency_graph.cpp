#include "engine/frequency_graph.h"

#include <array>
#include <string>
#include <string_view>

#include "form/texts.h"

namespace engine {
namespace {

namespace texts = form::texts;

struct Caption {
    float x;
    float y;
    std::string_view text;
};

// The captions at the top, then the vertical-axis labels, each 3 units above
// its solid grid row, between the axis and the grid's left end.
constexpr std::array<Caption, 7> kCaptions{{
    {5, 7, texts::kVerticalAxisCaption},
    {105, 7, texts::kHorizontalAxisCaption},
    {5, 27, texts::kVerticalLabels[0]},
    {5, 77, texts::kVerticalLabels[1]},
    {5, 127, texts::kVerticalLabels[2]},
    {5, 177, texts::kVerticalLabels[3]},
    {5, 227, texts::kVerticalLabels[4]},
}};

constexpr int kGridLeft = 11;         // dashed and solid rows start here
constexpr int kTickBelow = 5;         // horizontal-axis ticks reach below the axis
constexpr int kTickAbove = 2;         // and above it
constexpr int kSolidRowStep = 50;     // solid rows every 50 counts
constexpr int kLowestSolidRow = 230;  // count 50
constexpr int kHighestGridRow = 30;   // count 250

// The value under bin n on the horizontal axis: the minimum it counts, with
// the open bins' bounds.
std::string AxisValue(int n) {
    std::string value = std::to_string(n - ShortageTallies::BinOf(0));
    if (n == 1) {
        return value + std::string(texts::kOrBelow);
    }
    if (n == ShortageTallies::kBins) {
        return value + std::string(texts::kOrAbove);
    }
    return value;
}

// The surface takes single-precision units.
float Units(int value) {
    return static_cast<float>(value);
}

}  // namespace

void DrawFrequencyGraph(const ShortageTallies& tallies, DrawingSurface& picture,
                        FrequencyTable& table) {
    picture.DrawLine(kAxisLeft, kBaseline, kAxisRight, kBaseline, kBlack);
    for (int x = 10; x <= 120; x += 10) {  // ticks at -110, -100, ..., 0
        picture.DrawLine(Units(x), kBaseline - kTickAbove, Units(x), kBaseline + kTickBelow,
                         kBlack);
    }
    picture.DrawLine(kAxisLeft, kBaseline, kAxisLeft, kAxisTop, kBlack);
    for (int y = kBaseline; y > kAxisTop; y -= 10) {  // counts 0 to 260
        picture.DrawLine(kAxisLeft - 1, Units(y), kAxisLeft + 1, Units(y), kBlack);
    }
    for (int y = kBaseline - 10; y >= kHighestGridRow; y -= 10) {  // dashes one unit long
        for (int x = kGridLeft; x <= kAxisRight; x += 2) {
            picture.DrawLine(Units(x), Units(y), Units(x + 1), Units(y), kBlack);
        }
    }
    for (int y = kLowestSolidRow; y >= kHighestGridRow; y -= kSolidRowStep) {
        picture.DrawLine(kGridLeft, Units(y), kAxisRight, Units(y), kBlack);
    }
    for (const Caption& caption : kCaptions) {
        picture.SetCurrentX(caption.x);
        picture.SetCurrentY(caption.y);
        picture.PrintLine(caption.text);
    }
    for (int n = 1; n <= ShortageTallies::kBins; ++n) {
        const int top = kBaseline - tallies(n);  // exact in int, then handed over as float
        picture.DrawBox(Units(BarLeft(n)), kBaseline, Units(BarLeft(n) + 1), Units(top),
                        kLightBlue);
        if (tallies(n) > 0) {
            table.AddRow(AxisValue(n), tallies(n));
        }
    }
    // The last bar leaves the current point on the axis: one line below it.
    picture.NewLine();
    picture.SetCurrentX(kLabelRowX);
    picture.PrintLine(texts::kLabelRow);
}

}  // namespace engine
