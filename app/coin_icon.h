#pragma once

#include <QIcon>
#include <QImage>

namespace app {

// The program's coin: a yellow 500-yen coin with a black rim on a blue square,
// "500" across it in red block digits. Opaque 24-bit colour; 32 is the window
// icon's size and larger sizes come from the same drawing.
QImage DrawCoinIcon(int size = 32);

// The window's icon: the coin at 32 pixels, and larger for high-density title
// bars.
QIcon CoinIcon();

}  // namespace app
