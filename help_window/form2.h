#pragma once

#include <QPushButton>
#include <QWidget>

#include "main_window/line_control.h"
#include "main_window/picture_box.h"
#include "main_window/ui_ports.h"

namespace help_window {

// The help window: prints the problem, the idea of the experiment and how to
// operate the program, and hands back to a fresh main window.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(main_window::WindowSwitch& windows);

    void Form_Activate();
    void Command1_Click();

    QPushButton* const Command1;              // close
    main_window::PictureBox* const Picture1;  // help text area, in twips
    main_window::LineControl* const Line1;

private:
    main_window::WindowSwitch& windows_;
};

}  // namespace help_window
