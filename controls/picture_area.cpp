#include "controls/picture_area.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "controls/accessibility.h"
#include "controls/input_watch.h"
#include "controls/utf8.h"

namespace controls {

PictureArea::PictureArea(QWidget* parent, form::Spoken spoken)
    : QFrame(parent), spoken_(*this, spoken) {
    WatchInput();
    InstallAccessibleInterfaces();
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // 2 px sunken on each side
    setAutoFillBackground(true);
}

void PictureArea::Clear(form::DeviceSize area, double pixelRatio) {
    pixelRatio_ = pixelRatio;
    const QSize device(area.width, area.height);
    if (image_.size() != device) {
        image_ = QImage(device, QImage::Format_RGB32);
    }
    image_.fill(palette().color(QPalette::Window));
    update();
}

void PictureArea::Fill(const form::DeviceRect& extent, engine::Rgb colour) {
    const QRgb pixel = qRgb(colour.red, colour.green, colour.blue);
    for (int y = extent.top; y <= extent.bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + extent.left, row + extent.right + 1, pixel);
    }
    update();
}

QFont PictureArea::DeviceFont(int fontPixels, double spacing) const {
    QFont device = font();
    device.setPixelSize(fontPixels);
    device.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return device;
}

void PictureArea::Print(form::DevicePoint at, std::string_view utf8Text, int fontPixels,
                        double spacing) {
    printedFontPixels_ = fontPixels;
    printedSpacing_ = spacing;
    QPainter painter(&image_);
    painter.setFont(DeviceFont(fontPixels, spacing));
    painter.setPen(palette().color(QPalette::WindowText));
    // The top of the first character cell at the point: the baseline one ascent lower.
    painter.drawText(QPoint(at.x, at.y + painter.fontMetrics().ascent()), ToQString(utf8Text));
    update();
}

double PictureArea::Measure(std::string_view utf8Text, int fontPixels, double spacing) {
    return QFontMetricsF(DeviceFont(fontPixels, spacing)).horizontalAdvance(ToQString(utf8Text));
}

double PictureArea::PrintedAdvance(const QString& text) const {
    return QFontMetricsF(DeviceFont(printedFontPixels_, printedSpacing_)).horizontalAdvance(text) /
           pixelRatio_;
}

double PictureArea::PrintedLineHeight() const {
    return printedFontPixels_ / pixelRatio_;
}

// As a browser's :focus-visible: a frame when the focus came by Tab, or by a
// move of the program's while the keyboard was in use; none for the mouse.
void PictureArea::focusInEvent(QFocusEvent* event) {
    showFocus_ = event->reason() != Qt::MouseFocusReason && LastInputWasKeyboard();
    QFrame::focusInEvent(event);
}

void PictureArea::focusOutEvent(QFocusEvent* event) {
    showFocus_ = false;
    QFrame::focusOutEvent(event);
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Logical target, device-sized source: one image pixel per device pixel.
    painter.drawImage(QRectF(contentsRect()), image_, QRectF(image_.rect()));
    // The area takes the keyboard focus, so it shows it to the keyboard: a
    // frame of one pixel just inside the border. The style's focus rectangle
    // would tint the whole drawing.
    if (hasFocus() && showFocus_) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(contentsRect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

}  // namespace controls
