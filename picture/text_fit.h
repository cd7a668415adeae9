#pragma once

#include <functional>
#include <span>
#include <string_view>

// The letter spacing that fits texts set for the classroom machines' face to
// the face an edition has, from that face's own measured widths; the texts
// themselves stay as they are. Widths and spacings are device pixels, and a
// spacing goes after every character.
namespace picture {

// The advance of a text in the picture's face at its device size, with
// `spacing` after every character.
using TextMeasure = std::function<double(std::string_view utf8Text, double spacing)>;

// Characters as the spacing counts them: code points of the UTF-8 text.
double Characters(std::string_view utf8Text);

// The spacing that centres a row's last character over `target`, the row
// printed from `start`.
double SpacingToCentreLast(const TextMeasure& measure, std::string_view row, double start,
                           double target);

// The spacing at which the widest of some lines ends within `room`; 0 when
// they already do.
double SpacingToFitWidest(const TextMeasure& measure, std::span<const std::string_view> lines,
                          double room);

}  // namespace picture
