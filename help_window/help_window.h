#pragma once

#include <QWidget>
#include <functional>

#include "controls/form_widgets.h"

class QPushButton;

namespace controls {
class PictureArea;
}  // namespace controls

namespace help_window {

// The help window: prints the problem, the idea of the experiment and how to
// operate the program, and hands back to a fresh main window when closed.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(std::function<void()> showMainWindow);

private:
    void PrintText();
    void Close();

    const controls::FormWidgets form_;
    QPushButton* const closeButton_;
    controls::PictureArea* const textArea_;
    std::function<void()> showMainWindow_;
};

}  // namespace help_window
