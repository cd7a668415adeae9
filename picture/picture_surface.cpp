#include "picture/picture_surface.h"

#include "engine/frequency_graph.h"
#include "form/texts.h"
#include "picture/text_fit.h"

namespace picture {

Geometry GeometryOf(const form::Control& picture, double logicalDpi) {
    const form::PixelRect inner = form::InnerArea(picture, logicalDpi);
    return {{picture.scaleWidth, picture.scaleHeight},
            inner.width,
            inner.height,
            form::FontPixels(picture.font, logicalDpi),
            picture.fit};
}

PictureSurface::PictureSurface(const Geometry& geometry, double pixelRatio, Sink& sink)
    : geometry_(geometry), sink_(sink) {
    UseRatio(pixelRatio);
    sink_.Clear(area_, pixelRatio_);
}

void PictureSurface::UseRatio(double pixelRatio) {
    pixelRatio_ = pixelRatio;
    area_ = form::DeviceArea(geometry_.logicalWidth, geometry_.logicalHeight, pixelRatio);
    pen_ = form::PenWidth(pixelRatio);
    fontPixels_ = form::DeviceFontPixels(geometry_.fontPixels, pixelRatio);
    fitted_ = false;
}

form::DevicePoint PictureSurface::ToDevice(double x, double y) const {
    return form::ToDevice(x, y, geometry_.scale, area_);
}

void PictureSurface::Keep(const Drawn& drawn) {
    if (!replaying_) {
        drawn_.push_back(drawn);
    }
}

void PictureSurface::DrawLine(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    Keep({Drawn::Kind::Line, x1, y1, x2, y2, colour});
    form::RasteriseLine(ToDevice(x1, y1), ToDevice(x2, y2), pen_, area_,
                        [&](const form::DeviceRect& extent) { sink_.Fill(extent, colour); });
    currentX_ = x2;
    currentY_ = y2;
}

void PictureSurface::DrawBox(float x1, float y1, float x2, float y2, engine::Rgb colour) {
    Keep({Drawn::Kind::Box, x1, y1, x2, y2, colour});
    // Filled solid: a bar reads better than an outline on a projector.
    form::DeviceRect extent{};
    if (form::FillExtent(ToDevice(x1, y1), ToDevice(x2, y2), pen_, area_, extent)) {
        sink_.Fill(extent, colour);
    }
    currentX_ = x2;
    currentY_ = y2;
}

void PictureSurface::SetCurrentX(float x) {
    Keep({Drawn::Kind::CurrentX, x});
    currentX_ = x;
}

void PictureSurface::SetCurrentY(float y) {
    Keep({Drawn::Kind::CurrentY, y});
    currentY_ = y;
}

void PictureSurface::PrintLine(std::string_view utf8Text) {
    if (!replaying_) {
        texts_.emplace_back(utf8Text);
        Keep({Drawn::Kind::Print, 0, 0, 0, 0, {}, texts_.size() - 1});
    }
    sink_.Print(ToDevice(currentX_, currentY_), utf8Text, fontPixels_, SpacingOf(utf8Text));
    Advance();
}

void PictureSurface::NewLine() {
    Keep({Drawn::Kind::NewLine});
    Advance();
}

void PictureSurface::Advance() {
    // One em per line, the line height of the face the windows were laid out
    // for: the stand-in face's own would push the help text's last line out.
    currentX_ = 0.0F;
    currentY_ = static_cast<float>(form::NextLineY(currentY_, fontPixels_, geometry_.scale, area_));
}

void PictureSurface::Clear() {
    drawn_.clear();
    texts_.clear();
    sink_.Clear(area_, pixelRatio_);
    currentX_ = 0.0F;
    currentY_ = 0.0F;
}

void PictureSurface::Redraw(double pixelRatio) {
    UseRatio(pixelRatio);
    sink_.Clear(area_, pixelRatio_);
    currentX_ = 0.0F;
    currentY_ = 0.0F;
    replaying_ = true;
    for (const Drawn& drawn : drawn_) {
        Replay(drawn);
    }
    replaying_ = false;
}

void PictureSurface::Replay(const Drawn& drawn) {
    switch (drawn.kind) {
        case Drawn::Kind::Line:
            DrawLine(drawn.x1, drawn.y1, drawn.x2, drawn.y2, drawn.colour);
            break;
        case Drawn::Kind::Box:
            DrawBox(drawn.x1, drawn.y1, drawn.x2, drawn.y2, drawn.colour);
            break;
        case Drawn::Kind::CurrentX:
            SetCurrentX(drawn.x1);
            break;
        case Drawn::Kind::CurrentY:
            SetCurrentY(drawn.x1);
            break;
        case Drawn::Kind::Print:
            PrintLine(texts_[drawn.text]);
            break;
        case Drawn::Kind::NewLine:
            NewLine();
            break;
    }
}

double PictureSurface::SpacingOf(std::string_view utf8Text) {
    if (!fitted_) {
        fitted_ = true;
        const TextMeasure measure = [this](std::string_view text, double spacing) {
            return sink_.Measure(text, fontPixels_, spacing);
        };
        const double perUnit = area_.width / geometry_.scale.width;  // device pixels
        switch (geometry_.fit) {
            case form::TextFit::LabelRow:
                spacedText_ = form::texts::kLabelRow;
                textSpacing_ =
                    SpacingToCentreLast(measure, spacedText_, engine::kLabelRowX * perUnit,
                                        engine::kZeroTickX * perUnit);
                break;
            case form::TextFit::HelpText:
                spacing_ = SpacingToFitWidest(
                    measure, form::texts::kHelpText,
                    (geometry_.logicalWidth - form::help_window::kTextRightMargin) * pixelRatio_);
                break;
            case form::TextFit::None:
                break;
        }
    }
    return !spacedText_.empty() && utf8Text == spacedText_ ? textSpacing_ : spacing_;
}

}  // namespace picture
