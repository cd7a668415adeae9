#include "engine/frequency_graph.h"

#include <array>
#include <string_view>

namespace engine {
namespace {

constexpr int kBaseline = 280;

struct Caption {
    float x;
    float y;
    std::string_view text;
};

constexpr std::array<Caption, 7> kCaptions{{
    {5, 7, "（縦軸は実験回数）"},
    {105, 7, "（横軸は不足枚数）"},
    {5, 27, "250"},
    {5, 77, "200"},
    {5, 127, "150"},
    {5, 177, "100"},
    {5, 227, "50"},
}};

float F(int value) {
    return static_cast<float>(value);
}

}  // namespace

void DrawFrequencyGraph(const ShortageCounts& counts, DrawingSurface& picture) {
    picture.DrawLine(3, 280, 127, 280, kBlack);
    for (int x = 10; x <= 120; x += 10) {
        picture.DrawLine(F(x), 278, F(x), 285, kBlack);
    }
    picture.DrawLine(3, 280, 3, 10, kBlack);
    for (int y = 280; y >= 20; y -= 10) {
        picture.DrawLine(2, F(y), 4, F(y), kBlack);
    }
    for (int y = 270; y >= 30; y -= 10) {
        for (int x = 11; x <= 127; x += 2) {
            picture.DrawLine(F(x), F(y), F(x + 1), F(y), kBlack);
        }
    }
    for (int y = 230; y >= 30; y -= 50) {
        picture.DrawLine(11, F(y), 127, F(y), kBlack);
    }
    for (const Caption& caption : kCaptions) {
        picture.SetCurrentX(caption.x);
        picture.SetCurrentY(caption.y);
        picture.PrintLine(caption.text);
    }
    for (int n = 1; n <= ShortageCounts::kBins; ++n) {
        const int top = kBaseline - counts(n);  // exact in int, then handed over as float
        picture.DrawBox(F(n + 4), F(kBaseline), F(n + 5), F(top), kLightBlue);
    }
    // The last bar leaves the current point on the axis: one line below it.
    picture.NewLine();
    picture.SetCurrentX(kLabelRowX);
    picture.PrintLine(kLabelRow);
}

}  // namespace engine
