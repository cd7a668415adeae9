#include "controls/form_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "controls/accessibility.h"
#include "controls/horizontal_rule.h"
#include "controls/on_screen.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_lifecycle.h"
#include "controls/window_metrics.h"

namespace controls {
namespace {

void Colour(QWidget& widget, const form::Control& control) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, ToQColor(control.background, colours));
    colours.setColor(QPalette::WindowText, ToQColor(control.foreground, colours));
    widget.setPalette(colours);
}

QWidget* MakeButton(QWidget& window, const form::Control& control, const QScreen* screen) {
    auto* button = new QPushButton(ToQString(control.text), &window);
    if (control.font.pixelsAt96Dpi > 0) {
        button->setFont(GothicFont(control.font, screen));
    }
    button->setFocusPolicy(Qt::StrongFocus);
    if (!control.description.empty()) {
        button->setAccessibleDescription(ToQString(control.description));
    }
    // Enter as well as Space presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

QWidget* MakeLabel(QWidget& window, const form::Control& control, const QScreen* screen) {
    auto* label = new QLabel(ToQString(control.text), &window);
    label->setTextFormat(Qt::PlainText);
    label->setFont(GothicFont(control.font, screen));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFrameStyle(control.border == form::Border::Flat ? QFrame::Box | QFrame::Plain
                                                              : QFrame::WinPanel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setIndent(0);  // a framed label would otherwise push its text down into the border
    Colour(*label, control);
    label->setAutoFillBackground(true);
    return label;
}

QWidget* MakePicture(QWidget& window, const form::Control& control, const QScreen* screen) {
    auto* picture = new PictureArea(&window, control.spoken);
    Colour(*picture, control);
    picture->setFont(GothicFont(control.font, screen));
    picture->setFocusPolicy(Qt::StrongFocus);
    if (!control.spokenName.empty()) {
        picture->setAccessibleName(ToQString(control.spokenName));
    }
    return picture;
}

}  // namespace

QColor ToQColor(form::Colour colour, const QPalette& palette) {
    switch (colour.source) {
        case form::Colour::Source::ButtonFace:
            return palette.color(QPalette::Button);
        case form::Colour::Source::ButtonText:
            return palette.color(QPalette::ButtonText);
        case form::Colour::Source::WindowText:
            return palette.color(QPalette::WindowText);
        case form::Colour::Source::Fixed:
            break;
    }
    return {colour.red, colour.green, colour.blue};
}

FormWindow::FormWindow(const form::WindowLayout& layout, QScreen* screen)
    : QWidget(nullptr, kWindowFlags), layout_(layout) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    setScreen(screen);
    ReportAsWindow(*this);
    setWindowTitle(ToQString(layout.caption));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    // Twips at the dpi of the screen it comes up on, its place from that
    // screen's top-left corner.
    setGeometry(PixelsOfTwips(layout.client, screen).translated(screen->geometry().topLeft()));

    // Made first, the rule lies under every control: a line drawn on the
    // window, under the buttons' lower edges. Both ends are included.
    auto* rule = new HorizontalRule(this);
    const int left = PixelsOfTwips(layout.rule.left, screen);
    rule->setGeometry(left, PixelsOfTwips(layout.rule.y, screen),
                      PixelsOfTwips(layout.rule.right, screen) - left + 1, 1);

    std::vector<std::pair<int, QWidget*>> focusable;
    for (const form::Control& control : layout.controls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
            case form::ControlKind::Button:
                widget = MakeButton(*this, control, screen);
                connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                        [this, name = control.name] { emit Clicked(name); });
                break;
            case form::ControlKind::Label:
                widget = MakeLabel(*this, control, screen);
                break;
            case form::ControlKind::Picture:
                widget = MakePicture(*this, control, screen);
                break;
        }
        widget->setObjectName(ToQString(control.name));
        widget->setGeometry(PixelsOfTwips(control.place, screen));
        if (control.kind != form::ControlKind::Label) {
            focusable.emplace_back(control.tabIndex, widget);
        }
        controls_.emplace_back(control.name, widget);
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
    if (!focusable.empty()) {
        focusable.front().second->setFocus();
    }
    // A screen reader hears each value as labelled by its caption. The
    // captions have no access key, so the link changes nothing else.
    for (const form::Captioned& captioned : layout.captions) {
        Label(captioned.caption)->setBuddy(Control(captioned.value));
    }
    new KeepOnScreen(*this);
    new ActivationReport(*this, [this] { emit Activated(); });
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!reportsScreens_ && windowHandle() != nullptr) {
        reportsScreens_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &FormWindow::ScreenChanged);
    }
}

QWidget* FormWindow::Control(std::string_view name) const {
    for (const auto& [controlName, widget] : controls_) {
        if (controlName == name) {
            return widget;
        }
    }
    throw std::logic_error("no control " + std::string(name) + " in the layout");
}

QPushButton* FormWindow::Button(std::string_view name) const {
    return qobject_cast<QPushButton*>(Control(name));
}

QLabel* FormWindow::Label(std::string_view name) const {
    return qobject_cast<QLabel*>(Control(name));
}

PictureArea* FormWindow::Picture(std::string_view name) const {
    return qobject_cast<PictureArea*>(Control(name));
}

}  // namespace controls
