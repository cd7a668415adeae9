#include "picture/text_fit.h"

#include <algorithm>

namespace picture {
namespace {

// The spacing that moves a width measured at some spacing to `target`, when
// the width holds that spacing `spacings` times.
double SpacingToReach(double measured, double target, double spacings) {
    return (target - measured) / spacings;
}

}  // namespace

double Characters(std::string_view utf8Text) {
    return static_cast<double>(std::count_if(utf8Text.begin(), utf8Text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
    }));
}

double SpacingToCentreLast(const TextMeasure& measure, std::string_view row, double start,
                           double target) {
    // Every row this serves ends in an ASCII character ("0").
    const std::string_view lead = row.substr(0, row.size() - 1);
    const double lastWidth = measure(row.substr(lead.size()), 0.0);
    // The last character's centre moves by half a spacing of its own.
    return SpacingToReach(start + measure(lead, 0.0) + lastWidth / 2.0, target,
                          Characters(lead) + 0.5);
}

double SpacingToFitWidest(const TextMeasure& measure, std::span<const std::string_view> lines,
                          double room) {
    // Narrowed step by step: a face's hinted advances do not shrink exactly in
    // proportion to the spacing.
    double spacing = 0.0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        double widest = 0.0;
        double characters = 1.0;
        for (const std::string_view line : lines) {
            const double width = measure(line, spacing);
            if (width > widest) {
                widest = width;
                characters = Characters(line);
            }
        }
        if (widest <= room) {
            break;
        }
        spacing += SpacingToReach(widest, room, characters);
    }
    return spacing;
}

}  // namespace picture
