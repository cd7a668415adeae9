#pragma once

#include <QFont>
#include <QRect>

namespace controls {

// Window layouts are given in twips: 15 twips make a pixel at 96 dpi, and the
// screen's logical dpi scales that.
int Twips(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The Japanese proportional Gothic face at a size given in pixels at 96 dpi.
QFont GothicFont(int pixelsAt96Dpi, bool bold);

}  // namespace controls
