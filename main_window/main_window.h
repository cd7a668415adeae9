#pragma once

#include <QWidget>
#include <functional>

#include "engine/experiment.h"
#include "engine/random_source.h"
#include "main_window/dialogs.h"
#include "sound/chime_player.h"

class QLabel;
class QPushButton;

namespace controls {
class PictureArea;
class HorizontalRule;
}  // namespace controls

namespace main_window {

// What the main window needs from outside: the modal boxes, the way to end the
// program, the clock and random sequence of a run, the chimes, and the way
// over to the help window.
struct MainWindowServices {
    Dialogs& dialogs;
    ProgramExit& exit;
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
    void PlaceControls();
    void ClearOutcome();
    void AskForCounts();
    void StartExperiment();
    void Quit();
    void Initialize();
    void ShowHelp();
    bool PutOffWhileRunning(void (MainWindow::*command)());

    QPushButton* const startButton_;
    QPushButton* const quitButton_;
    QPushButton* const initializeButton_;
    QPushButton* const helpButton_;
    QLabel* const title_;
    QLabel* const customerCaption_;
    QLabel* const customerCount_;
    QLabel* const meanCaption_;
    QLabel* const meanShortage_;
    QLabel* const trialCaption_;
    QLabel* const trialCount_;
    controls::PictureArea* const graph_;
    controls::HorizontalRule* const rule_;

    MainWindowServices services_;
    engine::RunSize counts_{0, 0};  // as parameter entry last accepted them
    bool running_ = false;
};

}  // namespace main_window
