#include "controls/picture_area.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "controls/utf8.h"

namespace controls {
namespace {

QRgb ToQRgb(engine::Rgb colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

PictureArea::PictureArea(QWidget* parent, double scaleWidth, double scaleHeight)
    : QFrame(parent), scaleWidth_(scaleWidth), scaleHeight_(scaleHeight) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // 2 px sunken on each side
    setAutoFillBackground(true);
    EnsureImage();
}

void PictureArea::EnsureImage() {
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

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    EnsureImage();
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Logical target, device-sized source: one image pixel per device pixel.
    painter.drawImage(QRectF(contentsRect()), image_, QRectF(image_.rect()));
    // The area takes the keyboard focus, so it shows it: a frame of one
    // pixel just inside the border. The style's focus rectangle would tint
    // the whole drawing.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(contentsRect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

QPoint PictureArea::ToDevice(double x, double y) const {
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

QFont PictureArea::DeviceFont() const {
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

int PictureArea::PenWidth() const {
    return std::max(1, Round(devicePixelRatioF()));
}

// The rectangle between two device pixels, both included, widened by the pen.
void PictureArea::FillDevice(QPoint from, QPoint to, engine::Rgb colour) {
    const int width = PenWidth();
    const int left = std::max(std::min(from.x(), to.x()), 0);
    const int top = std::max(std::min(from.y(), to.y()), 0);
    const int right = std::min(std::max(from.x(), to.x()) + width - 1, image_.width() - 1);
    const int bottom = std::min(std::max(from.y(), to.y()) + width - 1, image_.height() - 1);
    const QRgb pixel = ToQRgb(colour);
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + left, row + right + 1, pixel);
    }
}

void PictureArea::DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    EnsureImage();
    const QPoint from = ToDevice(x1, y1);
    const QPoint to = ToDevice(x2, y2);
    if (from.x() == to.x() || from.y() == to.y()) {
        FillDevice(from, to, colour);
    } else {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(ToQRgb(colour)), PenWidth(), Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(from, to);
    }
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureArea::DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    EnsureImage();
    // Boxes are filled solid: a bar reads better than an outline on a projector.
    FillDevice(ToDevice(x1, y1), ToDevice(x2, y2), colour);
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureArea::PrintLine(std::string_view utf8Text) {
    EnsureImage();
    const QPoint at = ToDevice(currentX_, currentY_);
    {
        QPainter painter(&image_);
        painter.setFont(DeviceFont());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPoint(at.x(), at.y() + painter.fontMetrics().ascent()),
                         ToQString(utf8Text));
    }
    NewLine();
}

void PictureArea::NewLine() {
    currentX_ = 0.0F;
    const double perUnit = image_.height() / scaleHeight_;  // device pixels per unit, down
    currentY_ = static_cast<float>(currentY_ + LineHeight() / perUnit);
    update();
}

int PictureArea::LineHeight() const {
    // The windows were laid out for a face whose line is one em high; the
    // stand-in face's taller ascent and descent would push the help text's
    // last line out of its area.
    const QFont deviceFont = DeviceFont();
    return deviceFont.pixelSize() > 0 ? deviceFont.pixelSize() : QFontMetrics(deviceFont).height();
}

void PictureArea::Clear() {
    EnsureImage();
    image_.fill(palette().color(QPalette::Window));
    currentX_ = 0.0F;
    currentY_ = 0.0F;
    update();
}

}  // namespace controls
