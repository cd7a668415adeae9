#pragma once

#include <QFrame>
#include <QImage>
#include <QStringList>
#include <string>

#include "engine/drawing_surface.h"
#include "form/layout.h"
#include "form/raster.h"

namespace controls {

// A framed area with a sunken border whose inner area carries a user scale.
// Everything is drawn once into an off-screen image at device resolution and
// shown from there, so covering the window loses nothing. Beside the image it
// keeps what a screen reader reads instead: the lines printed on it, or the
// rows its drawing gives; Up, Down, Home and End move through them.
class PictureArea : public QFrame, public engine::DrawingSurface {
    Q_OBJECT
public:
    // The user scale's units span the inner area.
    PictureArea(QWidget* parent, form::UserScale scale,
                form::Spoken spoken = form::Spoken::PrintedLines);

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

    // What a screen reader reads, one entry a line or row, cleared with the
    // pixels; a new generation after each clearing.
    form::Spoken SpokenAs() const { return spokenAs_; }
    const QStringList& Spoken() const { return spoken_; }
    int SpokenGeneration() const { return generation_; }
    void AddSpokenRow(const QString& row);
    // The entry the keys moved to, -1 before any row; 0 for lines at first.
    int CurrentEntry() const { return current_; }
    void SetCurrentEntry(int entry);
    // Where a printed line starts in the lines joined by line feeds.
    int LineOffset(int line) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
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
    void Advance();

    form::UserScale scale_;
    form::Spoken spokenAs_;
    QStringList spoken_;
    int generation_ = 0;
    int current_ = -1;
    QImage image_;
    float currentX_ = 0.0F;
    float currentY_ = 0.0F;
    std::string spacedText_;
    double spacing_ = 0.0;
    bool showFocus_ = false;  // the focus came from the keyboard
};

}  // namespace controls
