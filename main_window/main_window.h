#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "controls/dialogs.h"
#include "controls/form_widgets.h"
#include "engine/clock.h"
#include "engine/experiment.h"
#include "engine/random_source.h"
#include "sound/chime_player.h"

class QLabel;
class QPushButton;

namespace controls {
class PictureArea;
}  // namespace controls

namespace main_window {

// What the main window needs from outside: the modal boxes, the way to end the
// program, the clock and random sequence of a run, the chimes, and the way
// over to the help window.
struct MainWindowServices {
    controls::Dialogs& dialogs;
    controls::ProgramExit& exit;
    engine::Clock& clock;
    engine::RandomSource& random;
    sound::ChimePlayer& chimes;
    std::function<void()> showHelpWindow;
};

// The main window: the counts, the start, quit, initialize and help commands,
// the mean and the frequency graph of a run.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services);

private:
    void ClearOutcome();
    void AskForCounts();
    void StartExperiment();
    void Quit();
    void Initialize();
    void ShowHelp();
    bool PutOffWhileRunning(void (MainWindow::*command)());

    const controls::FormWidgets form_;
    QPushButton* const startButton_;
    QPushButton* const quitButton_;
    QPushButton* const initializeButton_;
    QPushButton* const helpButton_;
    QLabel* const customerCaption_;
    QLabel* const customerCount_;
    QLabel* const meanCaption_;
    QLabel* const meanShortage_;
    QLabel* const trialCaption_;
    QLabel* const trialCount_;
    controls::PictureArea* const graph_;

    MainWindowServices services_;
    std::optional<engine::RunSize> runSize_;  // as parameter entry last accepted it
    bool running_ = false;
};

}  // namespace main_window
