#include "controls/window_metrics.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include "controls/utf8.h"
#include "form/raster.h"

namespace controls {
namespace {

QStringList AllGothicFaces() {
    QStringList families;
    for (const std::string_view face : form::kGothicFaces) {
        families << ToQString(face);
    }
    return families;
}

// The faces this machine has, in their order. Every face asked for that is
// missing costs the font matcher a substitution for each font the windows
// use, about a sixth of the start-up's work; with none of them the list stays
// whole and the matcher finds what it can.
QStringList GothicFamilies() {
    static const QStringList families = [] {
        QStringList installed = AllGothicFaces();
        const QStringList known = QFontDatabase::families();
        installed.removeIf(
            [&](const QString& face) { return !known.contains(face, Qt::CaseInsensitive); });
        return installed.isEmpty() ? AllGothicFaces() : installed;
    }();
    return families;
}

}  // namespace

double LogicalDpi(const QScreen* screen) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen == nullptr ? 96.0 : screen->logicalDotsPerInchX();
}

int PixelsOfTwips(int twips, const QScreen* screen) {
    return form::TwipsToPixels(twips, LogicalDpi(screen));
}

QRect PixelsOfTwips(form::TwipsRect place, const QScreen* screen) {
    const form::PixelRect pixels = form::TwipsToPixels(place, LogicalDpi(screen));
    return {pixels.x, pixels.y, pixels.width, pixels.height};
}

QFont GothicFont(form::Font face, const QScreen* screen) {
    QFont font;
    font.setFamilies(GothicFamilies());
    font.setPixelSize(form::FontPixels(face, LogicalDpi(screen)));
    font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QString MissingFaceNotice(const QStringList& installedFamilies) {
    for (const QString& family : AllGothicFaces()) {
        if (installedFamilies.contains(family, Qt::CaseInsensitive)) {
            return {};
        }
    }
    return QStringLiteral(
               "pernam3: no Japanese face (%1) is installed, so the texts show as "
               "boxes; the package fonts-ipafont-gothic provides one.")
        .arg(AllGothicFaces().join(QStringLiteral(" or ")));
}

}  // namespace controls
