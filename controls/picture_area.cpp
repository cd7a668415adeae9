#include "controls/picture_area.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QString>
#include <algorithm>

#include "controls/accessibility.h"
#include "controls/utf8.h"

namespace controls {
namespace {

// Whether the last key press or mouse button press anywhere in the program
// was a key press; watched from the first picture area on.
class InputWatch final : public QObject {
public:
    static InputWatch& Instance() {
        static auto* watch = new InputWatch;
        return *watch;
    }
    bool keyboard = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                keyboard = true;
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::TouchBegin:
            case QEvent::TabletPress:
                keyboard = false;
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    InputWatch() : QObject(QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
    }
};

bool LastInputWasKeyboard() {
    return InputWatch::Instance().keyboard;
}

QRgb ToQRgb(engine::Rgb colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

}  // namespace

PictureArea::PictureArea(QWidget* parent, form::UserScale scale, form::Spoken spoken)
    : QFrame(parent), scale_(scale), spokenAs_(spoken) {
    InputWatch::Instance();
    InstallAccessibleInterfaces();
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // 2 px sunken on each side
    setAutoFillBackground(true);
    EnsureImage();
}

void PictureArea::EnsureImage() {
    const form::DeviceSize area =
        form::DeviceArea(contentsRect().width(), contentsRect().height(), devicePixelRatioF());
    const QSize device(area.width, area.height);
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

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    EnsureImage();
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

QPoint PictureArea::ToDevice(double x, double y) const {
    const form::DevicePoint point = form::ToDevice(x, y, scale_, DeviceArea());
    return {point.x, point.y};
}

QFont PictureArea::DeviceFont() const {
    QFont deviceFont = font();
    const qreal ratio = devicePixelRatioF();
    if (deviceFont.pixelSize() > 0) {
        deviceFont.setPixelSize(form::DeviceFontPixels(deviceFont.pixelSize(), ratio));
    } else {
        deviceFont.setPointSizeF(deviceFont.pointSizeF() * ratio);
    }
    deviceFont.setLetterSpacing(QFont::AbsoluteSpacing, deviceFont.letterSpacing() * ratio);
    return deviceFont;
}

int PictureArea::PenWidth() const {
    return form::PenWidth(devicePixelRatioF());
}

void PictureArea::Fill(const form::DeviceRect& extent, engine::Rgb colour) {
    const QRgb pixel = ToQRgb(colour);
    for (int y = extent.top; y <= extent.bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + extent.left, row + extent.right + 1, pixel);
    }
}

void PictureArea::DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    EnsureImage();
    form::RasteriseLine(form::ToDevice(x1, y1, scale_, DeviceArea()),
                        form::ToDevice(x2, y2, scale_, DeviceArea()), PenWidth(), DeviceArea(),
                        [&](const form::DeviceRect& extent) { Fill(extent, colour); });
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureArea::DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    EnsureImage();
    // Boxes are filled solid: a bar reads better than an outline on a projector.
    form::DeviceRect extent{};
    if (form::FillExtent(form::ToDevice(x1, y1, scale_, DeviceArea()),
                         form::ToDevice(x2, y2, scale_, DeviceArea()), PenWidth(), DeviceArea(),
                         extent)) {
        Fill(extent, colour);
    }
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void PictureArea::PrintLine(std::string_view utf8Text) {
    EnsureImage();
    const QPoint at = ToDevice(currentX_, currentY_);
    {
        QPainter painter(&image_);
        QFont font = DeviceFont();
        if (utf8Text == spacedText_) {
            font.setLetterSpacing(QFont::AbsoluteSpacing, spacing_ * devicePixelRatioF());
        }
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPoint(at.x(), at.y() + painter.fontMetrics().ascent()),
                         ToQString(utf8Text));
    }
    if (spokenAs_ == form::Spoken::PrintedLines) {
        spoken_ << ToQString(utf8Text);
    }
    Advance();
}

void PictureArea::SpaceOut(std::string_view text, double spacing) {
    spacedText_ = text;
    spacing_ = spacing;
}

void PictureArea::NewLine() {
    if (spokenAs_ == form::Spoken::PrintedLines) {
        spoken_ << QString();
    }
    Advance();
}

void PictureArea::Advance() {
    currentX_ = 0.0F;
    currentY_ = static_cast<float>(form::NextLineY(currentY_, LineHeight(), scale_, DeviceArea()));
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
    spoken_.clear();
    ++generation_;
    current_ = spokenAs_ == form::Spoken::PrintedLines ? 0 : -1;
    update();
}

void PictureArea::AddSpokenRow(const QString& row) {
    spoken_ << row;
}

int PictureArea::LineOffset(int line) const {
    int offset = 0;
    for (int i = 0; i < line && i < spoken_.size(); ++i) {
        offset += static_cast<int>(spoken_[i].size()) + 1;
    }
    return offset;
}

void PictureArea::SetCurrentEntry(int entry) {
    if (entry == current_ || entry < 0 || entry >= spoken_.size()) {
        return;
    }
    current_ = entry;
    // A row takes the screen reader's focus; within lines the caret moves.
    if (spokenAs_ == form::Spoken::Rows) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(entry);
        QAccessible::updateAccessibility(&focus);
    } else {
        QAccessibleTextCursorEvent moved(this, LineOffset(entry));
        QAccessible::updateAccessibility(&moved);
    }
}

void PictureArea::keyPressEvent(QKeyEvent* event) {
    const auto last = static_cast<int>(spoken_.size()) - 1;
    switch (event->key()) {
        case Qt::Key_Up:
            SetCurrentEntry(std::max(current_ - 1, 0));
            break;
        case Qt::Key_Down:
            SetCurrentEntry(std::min(current_ + 1, last));
            break;
        case Qt::Key_Home:
            SetCurrentEntry(0);
            break;
        case Qt::Key_End:
            SetCurrentEntry(last);
            break;
        default:
            QFrame::keyPressEvent(event);
    }
}

}  // namespace controls
