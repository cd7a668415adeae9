#pragma once

#include <functional>

// Letter spacing that makes text set for the classroom machines' face fit in
// a stand-in face with other widths: found from the face's own measured
// widths, the text itself unchanged. Spacings and widths are device pixels;
// a spacing is added after every character.
namespace form {

// The spacing that moves a width measured at some spacing to `target`, when
// the width holds that spacing `spacings` times.
double SpacingToReach(double measured, double target, double spacings);

// A text's measured width at a spacing, and how many characters it has.
struct Measured {
    double width;
    double characters;
};

// The spacing at which the widest of some texts fits `room`: narrowed step by
// step, since a face's hinted advances do not shrink exactly in proportion.
// Texts that already fit keep a spacing of 0.
double SpacingToFit(double room, const std::function<Measured(double spacing)>& widestAt);

// The spacing that centres a row's last character over `target`, from the
// row's start, the width of all but its last character, the last character's
// width (all at spacing 0) and the number of characters before the last.
double SpacingToCentreLast(double rowStart, double leadWidth, double lastWidth,
                           double leadCharacters, double target);

}  // namespace form
