#pragma once

#include <QImage>
#include <QRect>

namespace test_support {

// Pixels of `area` (device pixels of `image`) not of the background `back`:
// what has been drawn there.
inline int Ink(const QImage& image, QRect area, QRgb back) {
    area &= image.rect();
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ink += image.pixel(x, y) != back;
        }
    }
    return ink;
}

// The smallest rectangle of `area` that holds every pixel not of `back`.
inline QRect InkBounds(const QImage& image, QRect area, QRgb back) {
    area &= image.rect();
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ink |= image.pixel(x, y) != back ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return ink;
}

}  // namespace test_support
