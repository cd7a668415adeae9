#pragma once

#include <string_view>

namespace entry {

// Reads the number an answer begins with, as the classroom machines' BASIC
// does: blanks are ignored, "&H"/"&O" give hexadecimal/octal, anything
// unreadable gives 0. Full-width characters from a Japanese input method count
// as their ASCII forms. Any byte string is accepted; out-of-range magnitudes
// give ±infinity or 0.
double ReadLeadingNumber(std::string_view utf8Text);

}  // namespace entry
