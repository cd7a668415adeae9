#pragma once

#include <QFrame>
#include <QImage>

#include "engine/drawing_surface.h"

namespace controls {

// A framed area with a sunken border whose inner area carries a user scale.
// Everything is drawn once into an off-screen image at device resolution and
// shown from there, so covering the window loses nothing.
class PictureArea : public QFrame, public engine::DrawingSurface {
    Q_OBJECT
public:
    // scaleWidth x scaleHeight user units span the inner area.
    PictureArea(QWidget* parent, double scaleWidth, double scaleHeight);

    void DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) override;
    void SetCurrentX(float x) override { currentX_ = x; }
    void SetCurrentY(float y) override { currentY_ = y; }
    void PrintLine(std::string_view utf8Text) override;
    void NewLine() override;
    void Clear() override;

    // The inner area as drawn, one pixel per device pixel.
    const QImage& Image() const { return image_; }
    // Device pixel of a point in user units.
    QPoint ToDevice(double x, double y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void EnsureImage();
    int PenWidth() const;
    void FillDevice(QPoint from, QPoint to, engine::Rgb colour);
    QFont DeviceFont() const;
    int LineHeight() const;  // device pixels from one printed line to the next

    double scaleWidth_;
    double scaleHeight_;
    QImage image_;
    float currentX_ = 0.0F;
    float currentY_ = 0.0F;
};

}  // namespace controls
