#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <Qt>

#include "form/layout.h"

namespace controls {

// The primary screen's logical dpi, 96 where there is none.
double LogicalDpi();

// A layout's twips in pixels at the screen's logical dpi.
int PixelsOfTwips(int twips);
QRect PixelsOfTwips(form::TwipsRect place);

// The title bar of both windows: the window menu, minimise and close, but no
// maximise, since the controls keep their places however large the window.
inline constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// The Japanese proportional Gothic face at a size given in pixels at 96 dpi.
QFont GothicFont(form::Font face);

// One line saying which face is missing and where to get one, when none of
// the faces GothicFont asks for is among the installed families; else empty.
QString MissingFaceNotice(const QStringList& installedFamilies);

}  // namespace controls
