#include "controls/form_widgets.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "controls/accessibility.h"
#include "controls/horizontal_rule.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_metrics.h"

namespace controls {
namespace {

void Colour(QWidget& widget, const form::Control& control) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, ToQColor(control.background, colours));
    colours.setColor(QPalette::WindowText, ToQColor(control.foreground, colours));
    widget.setPalette(colours);
}

QWidget* MakeButton(QWidget& window, const form::Control& control) {
    auto* button = new QPushButton(ToQString(control.text), &window);
    if (control.font.pixelsAt96Dpi > 0) {
        button->setFont(GothicFont(control.font));
    }
    button->setFocusPolicy(Qt::StrongFocus);
    if (!control.description.empty()) {
        button->setAccessibleDescription(ToQString(control.description));
    }
    // Enter as well as Space presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

QWidget* MakeLabel(QWidget& window, const form::Control& control) {
    auto* label = new QLabel(ToQString(control.text), &window);
    label->setTextFormat(Qt::PlainText);
    label->setFont(GothicFont(control.font));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFrameStyle(control.border == form::Border::Flat ? QFrame::Box | QFrame::Plain
                                                              : QFrame::WinPanel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setIndent(0);  // a framed label would otherwise push its text down into the border
    Colour(*label, control);
    label->setAutoFillBackground(true);
    return label;
}

QWidget* MakePicture(QWidget& window, const form::Control& control) {
    auto* picture =
        new PictureArea(&window, {control.scaleWidth, control.scaleHeight}, control.spoken);
    Colour(*picture, control);
    picture->setFont(GothicFont(control.font));
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

FormWidgets::FormWidgets(QWidget& window, const form::WindowLayout& layout) {
    ReportAsWindow(window);
    window.setWindowTitle(ToQString(layout.caption));
    QPalette face = window.palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    window.setPalette(face);
    window.setAutoFillBackground(true);
    window.setGeometry(ToPixels(layout.client));

    // Made first, the rule lies under every control: a line drawn on the
    // window, under the buttons' lower edges. Both ends are included.
    auto* rule = new HorizontalRule(&window);
    const int left = Twips(layout.rule.left);
    rule->setGeometry(left, Twips(layout.rule.y), Twips(layout.rule.right) - left + 1, 1);

    std::vector<std::pair<int, QWidget*>> focusable;
    for (const form::Control& control : layout.controls) {
        QWidget* widget = nullptr;
        switch (control.kind) {
            case form::ControlKind::Button:
                widget = MakeButton(window, control);
                break;
            case form::ControlKind::Label:
                widget = MakeLabel(window, control);
                break;
            case form::ControlKind::Picture:
                widget = MakePicture(window, control);
                break;
        }
        widget->setObjectName(ToQString(control.name));
        widget->setGeometry(ToPixels(control.place));
        if (auto* picture = qobject_cast<PictureArea*>(widget)) {
            picture->Clear();
        }
        if (control.kind != form::ControlKind::Label) {
            focusable.emplace_back(control.tabIndex, widget);
        }
        widgets_.emplace_back(control.name, widget);
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
    if (!focusable.empty()) {
        focusable.front().second->setFocus();
    }
}

QWidget* FormWidgets::Find(std::string_view name) const {
    for (const auto& [controlName, widget] : widgets_) {
        if (controlName == name) {
            return widget;
        }
    }
    throw std::logic_error("no control " + std::string(name) + " in the layout");
}

QPushButton* FormWidgets::Button(std::string_view name) const {
    return qobject_cast<QPushButton*>(Find(name));
}

QLabel* FormWidgets::Label(std::string_view name) const {
    return qobject_cast<QLabel*>(Find(name));
}

PictureArea* FormWidgets::Picture(std::string_view name) const {
    return qobject_cast<PictureArea*>(Find(name));
}

}  // namespace controls
