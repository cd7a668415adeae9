#pragma once

#include <QFrame>
#include <QImage>

#include "controls/spoken_entries.h"
#include "form/layout.h"
#include "picture/picture_surface.h"

namespace controls {

// A framed area with a sunken border whose pixels the shared drawing lights:
// it fills them into an off-screen image at device resolution and prints
// texts there in its own face and colours, and shows that image, so covering
// the window loses nothing. A screen reader reads its spoken entries instead.
class PictureArea : public QFrame, public picture::Sink {
    Q_OBJECT
public:
    PictureArea(QWidget* parent, form::Spoken spoken);

    void Clear(form::DeviceSize area, double pixelRatio) override;
    void Fill(const form::DeviceRect& extent, engine::Rgb colour) override;
    void Print(form::DevicePoint at, std::string_view utf8Text, int fontPixels,
               double spacing) override;
    double Measure(std::string_view utf8Text, int fontPixels, double spacing) override;

    // The inner area as drawn, one pixel per device pixel.
    const QImage& Image() const { return image_; }
    // How far a text advances and how high a line is, in logical pixels, in
    // the face and spacing of the last text printed: a help text is printed
    // all in one spacing, fitted to the room.
    double PrintedAdvance(const QString& text) const;
    double PrintedLineHeight() const;
    SpokenEntries& Spoken() { return spoken_; }
    const SpokenEntries& Spoken() const { return spoken_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QFont DeviceFont(int fontPixels, double spacing) const;

    QImage image_;
    double pixelRatio_ = 1.0;
    int printedFontPixels_ = 0;  // device pixels
    double printedSpacing_ = 0.0;
    SpokenEntries spoken_;
    bool showFocus_ = false;  // the focus came from the keyboard
};

}  // namespace controls
