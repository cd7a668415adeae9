// Writes the program's coin icon for the desktop's icon theme:
//   make_icons <folder> <size>...  ->  <folder>/<size>x<size>/apps/pernam3.png
// The menu gets the same drawing as the window, at every size it asks for. The
// drawing has no text, so painting into a QImage needs no application object
// and the build needs no display.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "app/coin_icon.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons <folder> <size>...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool number = false;
        const QString sizeText = QString::fromLocal8Bit(argv[i]);
        const int size = sizeText.toInt(&number);
        if (!number || size < 16) {
            std::fprintf(stderr, "make_icons: not an icon size: %s\n", argv[i]);
            return 2;
        }
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = folder.filePath(apps + QStringLiteral("/pernam3.png"));
        if (!folder.mkpath(apps) || !app::DrawCoinIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
