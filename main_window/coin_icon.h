#pragma once

#include <QImage>

namespace main_window {

// The program's coin: a yellow 500-yen coin with a black rim on a blue square,
// "500" across it in red block digits. Opaque 24-bit colour; 32 is the window
// icon's size and larger sizes come from the same drawing.
QImage DrawCoinIcon(int size = 32);

}  // namespace main_window
