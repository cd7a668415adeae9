#include "help_window/help_window.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <cmath>
#include <utility>

#include "controls/on_screen.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_lifecycle.h"
#include "controls/window_metrics.h"
#include "engine/help_page.h"
#include "form/letter_spacing.h"
#include "form/texts.h"

namespace help_window {
namespace {

using form::texts::kHelpText;

// The lines were broken by hand to fit the area in the face the windows were
// laid out for. The stand-in face is a little wider and would cut the longest
// lines off mid-word, so its characters are drawn a fraction of a pixel
// closer, found from the face's own widths at the device's size, until the
// widest line ends inside the area. A face that fits keeps its spacing.
void FitHelpText(controls::PictureArea& area) {
    const qreal ratio = area.devicePixelRatioF();
    QFont device = area.font();
    device.setPixelSize(static_cast<int>(std::lround(device.pixelSize() * ratio)));
    const double room = (area.contentsRect().width() - form::help_window::kTextRightMargin) * ratio;
    const double spacing = form::SpacingToFit(room, [&](double tried) {
        device.setLetterSpacing(QFont::AbsoluteSpacing, tried);
        const QFontMetricsF metrics(device);
        form::Measured widest{0.0, 1.0};
        for (const std::string_view line : kHelpText) {
            const QString text = controls::ToQString(line);
            if (metrics.horizontalAdvance(text) > widest.width) {
                widest = {metrics.horizontalAdvance(text), static_cast<double>(text.size())};
            }
        }
        return widest;
    });
    QFont fitted = area.font();
    fitted.setLetterSpacing(QFont::AbsoluteSpacing, spacing / ratio);
    area.setFont(fitted);
}

}  // namespace

HelpWindow::HelpWindow(std::function<void()> showMainWindow)
    : QWidget(nullptr, controls::kWindowFlags),
      form_(*this, form::kHelpWindow),
      closeButton_(form_.Button("closeButton")),
      textArea_(form_.Picture("helpText")),
      showMainWindow_(std::move(showMainWindow)) {
    FitHelpText(*textArea_);

    connect(closeButton_, &QPushButton::clicked, this, &HelpWindow::Close);
    new controls::KeepOnScreen(*this);
    new controls::FirstActivation(*this, [this] { PrintText(); });
}

void HelpWindow::PrintText() {
    engine::PrintHelpPage(*textArea_);
}

void HelpWindow::Close() {
    controls::UnloadWindow(*this);
    showMainWindow_();
}

}  // namespace help_window
