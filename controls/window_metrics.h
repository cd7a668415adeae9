#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <Qt>

class QScreen;

#include "form/layout.h"

namespace controls {

// A screen's logical dpi; the primary screen's without one, 96 without any.
double LogicalDpi(const QScreen* screen = nullptr);

// A layout's twips in pixels at a screen's logical dpi.
int PixelsOfTwips(int twips, const QScreen* screen);
QRect PixelsOfTwips(form::TwipsRect place, const QScreen* screen);

// The title bar of both windows: the window menu, minimise and close, but no
// maximise, since the controls keep their places however large the window.
inline constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The Japanese proportional Gothic face at a size given in pixels at 96 dpi,
// at a screen's logical dpi.
QFont GothicFont(form::Font face, const QScreen* screen = nullptr);

// One line saying which face is missing and where to get one, when none of
// the faces GothicFont asks for is among the installed families; else empty.
QString MissingFaceNotice(const QStringList& installedFamilies);

}  // namespace controls
