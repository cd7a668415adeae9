#include "form/letter_spacing.h"

namespace form {

double SpacingToReach(double measured, double target, double spacings) {
    return (target - measured) / spacings;
}

double SpacingToFit(double room, const std::function<Measured(double spacing)>& widestAt) {
    double spacing = 0.0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const Measured widest = widestAt(spacing);
        if (widest.width <= room) {
            break;
        }
        spacing += SpacingToReach(widest.width, room, widest.characters);
    }
    return spacing;
}

double SpacingToCentreLast(double rowStart, double leadWidth, double lastWidth,
                           double leadCharacters, double target) {
    // The last character's centre moves by half a spacing of its own.
    return SpacingToReach(rowStart + leadWidth + lastWidth / 2.0, target, leadCharacters + 0.5);
}

}  // namespace form
