#include "controls/window_metrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <cmath>

namespace controls {
namespace {

// The classroom machines' own face first; IPAPGothic has the same metrics
// family and comes from Debian's fonts-ipafont-gothic.
QStringList GothicFamilies() {
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")};
}

double DpiScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 1.0 : screen->logicalDotsPerInchX() / 96.0;
}

}  // namespace

int Twips(int twips) {
    return static_cast<int>(std::lround(twips / 15.0 * DpiScale()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    // Position and far edge are rounded separately so that controls which touch
    // in twips still touch in pixels.
    const int x = Twips(left);
    const int y = Twips(top);
    return {x, y, Twips(left + width) - x, Twips(top + height) - y};
}

QFont GothicFont(int pixelsAt96Dpi, bool bold) {
    QFont font;
    font.setFamilies(GothicFamilies());
    font.setPixelSize(static_cast<int>(std::lround(pixelsAt96Dpi * DpiScale())));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QString MissingFaceNotice(const QStringList& installedFamilies) {
    for (const QString& family : GothicFamilies()) {
        if (installedFamilies.contains(family, Qt::CaseInsensitive)) {
            return {};
        }
    }
    return QStringLiteral(
               "pernam3: no Japanese face (%1) is installed, so the texts show as "
               "boxes; the package fonts-ipafont-gothic provides one.")
        .arg(GothicFamilies().join(QStringLiteral(" or ")));
}

}  // namespace controls
