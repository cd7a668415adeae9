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
class QScreen;

namespace controls {

class PictureArea;

// A form's colour on Qt: the platform's own ones from a palette.
QColor ToQColor(form::Colour colour, const QPalette& palette);

// A window of the program built from its layout table: its caption, place and
// face colour, the rule, and every control with its text, font, colours,
// border and place, stacked in the table's order, in the tab order of their
// tab indexes, the first of them focused; each value label named by its
// caption. It comes up on the screen given, the primary one without, laid out
// at that screen's dpi. It reports its buttons' clicks by their names, each
// time it becomes the active window and when it moves to another screen, and
// keeps itself whole on a small screen.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(const form::WindowLayout& layout, QScreen* screen = nullptr);

    const form::WindowLayout& Layout() const { return layout_; }
    // The control of that name in the table; a name not there throws.
    QWidget* Control(std::string_view name) const;
    QPushButton* Button(std::string_view name) const;
    QLabel* Label(std::string_view name) const;
    PictureArea* Picture(std::string_view name) const;

signals:
    void Clicked(std::string_view control);
    void Activated();
    void ScreenChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool reportsScreens_ = false;
    const form::WindowLayout& layout_;
    std::vector<std::pair<std::string_view, QWidget*>> controls_;
};

}  // namespace controls
