#include "app/coin_icon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>

namespace app {
namespace {

// 3 x 5 block glyphs, one string per row, '#' filled.
using Glyph = std::array<const char*, 5>;
constexpr Glyph kFive{"###", "#..", "###", "..#", "###"};
constexpr Glyph kZero{"###", "#.#", "#.#", "#.#", "###"};

void DrawGlyph(QPainter& painter, const Glyph& glyph, int left, int top, int cell) {
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (glyph[static_cast<std::size_t>(row)][column] == '#') {
                painter.fillRect(left + column * cell, top + row * cell, cell, cell, Qt::red);
            }
        }
    }
}

}  // namespace

QImage DrawCoinIcon(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal rim = size / 16.0;
    painter.setPen(QPen(Qt::black, rim));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawEllipse(QRectF(rim / 2, rim / 2, size - rim, size - rim));

    painter.setRenderHint(QPainter::Antialiasing, false);
    const int cell = std::max(1, size / 16);  // 3 digits of 3 cells, 1-cell gaps: 11 cells
    const int left = (size - 11 * cell) / 2;
    const int top = (size - 5 * cell) / 2;
    DrawGlyph(painter, kFive, left, top, cell);
    DrawGlyph(painter, kZero, left + 4 * cell, top, cell);
    DrawGlyph(painter, kZero, left + 8 * cell, top, cell);
    return image;
}

QIcon CoinIcon() {
    QIcon icon;
    for (const int size : {32, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(DrawCoinIcon(size)));
    }
    return icon;
}

}  // namespace app
