#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <string_view>
#include <utility>
#include <vector>

#include "form/layout.h"

class QLabel;
class QPushButton;

namespace controls {

class PictureArea;

// A form's colour on Qt: the platform's own ones from a palette.
QColor ToQColor(form::Colour colour, const QPalette& palette);

// A window built from its layout table: its caption, place and face colour,
// the rule, and every control with its text, font, colours, border and place,
// stacked in the table's order, in the tab order of their tab indexes, the
// first of them focused. Pictures start blank.
class FormWidgets {
public:
    FormWidgets(QWidget& window, const form::WindowLayout& layout);

    // The control of that name in the table; a name not there throws.
    QPushButton* Button(std::string_view name) const;
    QLabel* Label(std::string_view name) const;
    PictureArea* Picture(std::string_view name) const;

private:
    QWidget* Find(std::string_view name) const;

    std::vector<std::pair<std::string_view, QWidget*>> widgets_;
};

}  // namespace controls
