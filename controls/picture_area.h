#pragma once

#include <QFrame>
#include <QImage>
#include <string>

#include "engine/drawing_surface.h"
#include "form/raster.h"

namespace controls {

// A framed area with a sunken border whose inner area carries a user scale.
// Everything is drawn once into an off-screen image at device resolution and
// shown from there, so covering the window loses nothing.
class PictureArea : public QFrame, public engine::DrawingSurface {
    Q_OBJECT
public:
    // The user scale's units span the inner area.
    PictureArea(QWidget* parent, form::UserScale scale);

    void DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    void PrintLine(std::string_view utf8Text) override;
    void NewLine() override;
    void Clear() override;

    // Prints `text`, wherever it is printed, with `spacing` logical pixels
    // after each character, and every other text with the font's own.
    void SpaceOut(std::string_view text, double spacing);

    // The inner area as drawn, one pixel per device pixel.
    const QImage& Image() const { return image_; }
    // Device pixel of a point in user units.
    QPoint ToDevice(double x, double y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void EnsureImage();
    form::DeviceSize DeviceArea() const { return {image_.width(), image_.height()}; }
    int PenWidth() const;
    void Fill(const form::DeviceRect& extent, engine::Rgb colour);
    QFont DeviceFont() const;
    int LineHeight() const;  // device pixels from one printed line to the next

    form::UserScale scale_;
    QImage image_;
    float currentX_ = 0.0F;
    float currentY_ = 0.0F;
    std::string spacedText_;
    double spacing_ = 0.0;
    bool showFocus_ = false;  // the focus came from the keyboard
};

}  // namespace controls
