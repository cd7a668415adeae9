#include "main_window/picture_box.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QString>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>

#include "main_window/qt_text.h"

namespace main_window {
namespace {

QColor ToQColor(int qbColor) {
    const engine::Rgb rgb = engine::QBColor(qbColor);
    return {rgb.red, rgb.green, rgb.blue};
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, double scaleWidth, double scaleHeight)
    : QFrame(parent), scaleWidth_(scaleWidth), scaleHeight_(scaleHeight) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // 2 px sunken on each side
    setAutoFillBackground(true);
    EnsureImage();
}

void PictureBox::EnsureImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize device(Round(contentsRect().width() * ratio),
                       Round(contentsRect().height() * ratio));
    if (image_.size() == device) {
        return;
    }
    QImage fresh(device, QImage::Format_RGB32);
    fresh.fill(palette().color(QPalette::Window));
    if (!image_.isNull()) {
        QPainter painter(&fresh);
        painter.drawImage(0, 0, image_);
    }
    image_ = fresh;
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    EnsureImage();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Logical target, device-sized source: one image pixel per device pixel.
    painter.drawImage(QRectF(contentsRect()), image_, QRectF(image_.rect()));
    // The area takes the keyboard focus, so it shows it, just inside the border.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect();
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

double PictureBox::PerUnitY() const {
    return image_.height() / scaleHeight_;
}

QPoint PictureBox::ToDevice(double x, double y) const {
    // Multiplied before dividing: 105 units of 533 / 130 pixels must come out
    // at 430.5 and round up, not at 430.4999... through an inexact 4.1.
    int px = Round(x * image_.width() / scaleWidth_);
    int py = Round(y * image_.height() / scaleHeight_);
    // The far edge of the scale is the last pixel of the area, not one beyond.
    if (px == image_.width()) {
        px = image_.width() - 1;
    }
    if (py == image_.height()) {
        py = image_.height() - 1;
    }
    return {px, py};
}

QFont PictureBox::DeviceFont() const {
    QFont deviceFont = font();
    const qreal ratio = devicePixelRatioF();
    if (deviceFont.pixelSize() > 0) {
        deviceFont.setPixelSize(Round(deviceFont.pixelSize() * ratio));
    } else {
        deviceFont.setPointSizeF(deviceFont.pointSizeF() * ratio);
    }
    deviceFont.setLetterSpacing(QFont::AbsoluteSpacing, deviceFont.letterSpacing() * ratio);
    return deviceFont;
}

int PictureBox::PenWidth() const {
    return std::max(1, Round(devicePixelRatioF()));
}

void PictureBox::FillDevice(int left, int top, int right, int bottom, const QColor& color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image_.width() - 1);
    bottom = std::min(bottom, image_.height() - 1);
    const QRgb pixel = color.rgb();
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + left, row + right + 1, pixel);
    }
}

void PictureBox::Line(float x1, float y1, float x2, float y2, int color) {
    EnsureImage();
    const QPoint from = ToDevice(x1, y1);
    const QPoint to = ToDevice(x2, y2);
    const int width = PenWidth();
    if (from.x() == to.x() || from.y() == to.y()) {
        FillDevice(std::min(from.x(), to.x()), std::min(from.y(), to.y()),
                   std::max(from.x(), to.x()) + width - 1, std::max(from.y(), to.y()) + width - 1,
                   ToQColor(color));
    } else {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(ToQColor(color), width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(from, to);
    }
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureBox::LineBox(float x1, float y1, float x2, float y2, int color) {
    EnsureImage();
    // Boxes are filled solid: a bar reads better than an outline on a projector.
    const QPoint from = ToDevice(x1, y1);
    const QPoint to = ToDevice(x2, y2);
    const int width = PenWidth();
    FillDevice(std::min(from.x(), to.x()), std::min(from.y(), to.y()),
               std::max(from.x(), to.x()) + width - 1, std::max(from.y(), to.y()) + width - 1,
               ToQColor(color));
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureBox::Print(std::string_view utf8Text) {
    EnsureImage();
    const QPoint at = ToDevice(currentX_, currentY_);
    {
        QPainter painter(&image_);
        painter.setFont(DeviceFont());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPoint(at.x(), at.y() + painter.fontMetrics().ascent()),
                         ToQString(utf8Text));
    }
    Print();
}

void PictureBox::Print() {
    currentX_ = 0.0F;
    currentY_ = static_cast<float>(currentY_ + LineHeight() / PerUnitY());
    update();
}

int PictureBox::LineHeight() const {
    // The windows were laid out for a face whose line is one em high; the
    // stand-in face's taller ascent and descent would push the help text's
    // last line out of its area.
    const QFont deviceFont = DeviceFont();
    return deviceFont.pixelSize() > 0 ? deviceFont.pixelSize() : QFontMetrics(deviceFont).height();
}

void PictureBox::Cls() {
    EnsureImage();
    image_.fill(palette().color(QPalette::Window));
    currentX_ = 0.0F;
    currentY_ = 0.0F;
    update();
}

}  // namespace main_window
