#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "engine/experiment_state.h"
#include "engine/random_source.h"
#include "main_window/chime_player.h"
#include "main_window/line_control.h"
#include "main_window/picture_box.h"
#include "main_window/ui_ports.h"

namespace main_window {

// What the main window needs from outside: the modal boxes, the way to end the
// program, the clock and random sequence of a run, the making of its hidden
// multimedia control, and the way over to the help window.
struct Form1Services {
    Dialogs& dialogs;
    Program& program;
    engine::Clock& clock;
    engine::RandomSource& random;
    std::function<std::unique_ptr<MultimediaControl>()> newMultimediaControl;
    WindowSwitch& windows;
};

// The main window. Controls keep their designer names; handlers are named
// after control and event.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Form1Services services);

    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    engine::ExperimentState& State() { return state_; }

    QPushButton* const Command1;  // start
    QPushButton* const Command2;  // quit
    QPushButton* const Command3;  // initialize
    QPushButton* const Command4;  // help
    QLabel* const Label84;        // title
    QLabel* const Label83;        // caption of the customer count
    QLabel* const Label82;        // customer count
    QLabel* const Label4;         // caption of the mean shortage
    QLabel* const Label3;         // mean shortage
    QLabel* const Label1;         // caption of the trial count
    QLabel* const Label2;         // trial count
    PictureBox* const Picture1;   // graph area, 130 x 300 units
    LineControl* const Line1;
    const std::unique_ptr<MultimediaControl> MMControl1;  // hidden: only sounds the chimes

private:
    void Lay();
    void ClearOutcome();
    void SetMousePointer(int shape);
    bool PutOffWhileRunning(void (Form1::*handler)());

    Form1Services services_;
    engine::ExperimentState state_;
    bool running_ = false;
};

}  // namespace main_window
