#include "help_window/help_window.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QStringList>
#include <cmath>
#include <utility>

#include "controls/horizontal_rule.h"
#include "controls/on_screen.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_lifecycle.h"
#include "controls/window_metrics.h"
#include "help_window/help_text.h"

namespace help_window {
namespace {

using controls::Twips;
using controls::TwipsRect;

// The text area's outer size in twips, and its 30-twip sunken border: its
// coordinates are twips from the inner top-left corner.
constexpr int kTextAreaWidth = 9015;
constexpr int kTextAreaHeight = 6855;
constexpr int kBorder = 30;
// Room left after the widest line, in pixels.
constexpr double kRightMargin = 4.0;

// The lines were broken by hand to fit the area in the face the windows were
// laid out for. The stand-in face is a little wider and would cut the longest
// lines off mid-word, so its characters are drawn a fraction of a pixel
// closer, found from the face's own widths at the device's size, until the
// widest line ends inside the area. A face that fits keeps its spacing.
void FitHelpText(controls::PictureArea& area) {
    const qreal ratio = area.devicePixelRatioF();
    QFont device = area.font();
    device.setPixelSize(static_cast<int>(std::lround(device.pixelSize() * ratio)));
    const double room = (area.contentsRect().width() - kRightMargin) * ratio;
    double spacing = 0.0;  // device pixels after each character
    for (int attempt = 0; attempt < 20; ++attempt) {
        device.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        const QFontMetricsF metrics(device);
        double widest = 0.0;
        qsizetype characters = 1;
        for (const std::string_view line : kHelpText) {
            const QString text = controls::ToQString(line);
            if (metrics.horizontalAdvance(text) > widest) {
                widest = metrics.horizontalAdvance(text);
                characters = text.size();
            }
        }
        if (widest <= room) {
            break;
        }
        spacing -= (widest - room) / static_cast<double>(characters);
    }
    QFont fitted = area.font();
    fitted.setLetterSpacing(QFont::AbsoluteSpacing, spacing / ratio);
    area.setFont(fitted);
}

}  // namespace

HelpWindow::HelpWindow(std::function<void()> showMainWindow)
    : QWidget(nullptr, controls::kWindowFlags),
      closeButton_(new QPushButton(QStringLiteral("閉じる"), this)),
      textArea_(new controls::PictureArea(this, kTextAreaWidth - 2 * kBorder,
                                          kTextAreaHeight - 2 * kBorder)),
      rule_(new controls::HorizontalRule(this)),
      showMainWindow_(std::move(showMainWindow)) {
    setWindowTitle(QStringLiteral(" ペルナムの実験３＿ヘルプ（設問と操作方法）　"));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    closeButton_->setObjectName(QStringLiteral("closeButton"));
    textArea_->setObjectName(QStringLiteral("helpText"));
    QPalette paper = textArea_->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, paper.color(QPalette::ButtonText));
    textArea_->setPalette(paper);
    textArea_->setFont(controls::GothicFont(15, false));
    textArea_->setFocusPolicy(Qt::StrongFocus);
    textArea_->Clear();
    // A screen reader cannot read the printed pixels; it gets the text itself.
    textArea_->setAccessibleName(QStringLiteral("設問と操作方法"));
    QStringList lines;
    for (const std::string_view line : kHelpText) {
        lines << controls::ToQString(line).trimmed();
    }
    textArea_->setAccessibleDescription(lines.join(QLatin1Char('\n')).trimmed());
    closeButton_->setAutoDefault(true);  // Enter presses it, as Space does

    setGeometry(TwipsRect(3090, 2040, 9255, 7440));
    closeButton_->setGeometry(TwipsRect(8400, 0, 735, 375));
    textArea_->setGeometry(TwipsRect(120, 480, kTextAreaWidth, kTextAreaHeight));
    FitHelpText(*textArea_);
    // The rule runs from (120, 360) to (9120, 360), both ends included.
    rule_->setGeometry(Twips(120), Twips(360), Twips(9120) - Twips(120) + 1, 1);
    rule_->lower();  // a line drawn on the window, under the close button's lower edge

    setTabOrder(closeButton_, textArea_);
    closeButton_->setFocus();

    connect(closeButton_, &QPushButton::clicked, this, &HelpWindow::Close);
    new controls::KeepOnScreen(*this);
    new controls::FirstActivation(*this, [this] { PrintText(); });
}

void HelpWindow::PrintText() {
    PrintHelpText(*textArea_);
}

void HelpWindow::Close() {
    controls::UnloadWindow(*this);
    showMainWindow_();
}

}  // namespace help_window
