#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <Qt>

namespace controls {

// Window layouts are given in twips: 15 twips make a pixel at 96 dpi, and the
// screen's logical dpi scales that.
int Twips(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The title bar of both windows: the window menu, minimise and close, but no
// maximise, since the controls keep their places however large the window.
inline constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The Japanese proportional Gothic face at a size given in pixels at 96 dpi.
QFont GothicFont(int pixelsAt96Dpi, bool bold);

// One line saying which face is missing and where to get one, when none of
// the faces GothicFont asks for is among the installed families; else empty.
QString MissingFaceNotice(const QStringList& installedFamilies);

}  // namespace controls
