#include "main_window/main_window.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <string_view>
#include <utility>

#include "controls/on_screen.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_lifecycle.h"
#include "controls/window_metrics.h"
#include "engine/frequency_graph.h"
#include "entry/parameter_entry.h"
#include "form/letter_spacing.h"
#include "form/spoken.h"
#include "form/texts.h"

namespace main_window {
namespace {

namespace texts = form::texts;
using controls::ToQString;

// The graph's rows for a screen reader, "-35　12回", as the drawing gives them.
class SpokenRows final : public engine::FrequencyTable {
public:
    explicit SpokenRows(controls::PictureArea& graph) : graph_(graph) {}
    void AddRow(std::string_view axisValue, int trials) override {
        graph_.AddSpokenRow(QString::fromStdString(form::spoken::GraphRow(axisValue, trials)));
    }

private:
    controls::PictureArea& graph_;
};

// The label row under the graph places its numbers with plain spaces, set for
// the classroom machines' face. In the stand-in face "0" would stand about six
// units left of its tick, so the row's characters are spaced out a fraction of
// a pixel until the last number is centred under it; the text stays as it is,
// and the graph's other texts keep the face's own spacing.
void FitLabelRow(controls::PictureArea& graph) {
    const QFontMetricsF metrics(graph.font());
    const QString row = ToQString(texts::kLabelRow);
    const QString lead = row.left(row.size() - 1);
    const double perUnit = graph.contentsRect().width() / engine::kGraphWidthUnits;
    graph.SpaceOut(
        texts::kLabelRow,
        form::SpacingToCentreLast(engine::kLabelRowX * perUnit, metrics.horizontalAdvance(lead),
                                  metrics.horizontalAdvance(row.back()),
                                  static_cast<double>(lead.size()), engine::kZeroTickX * perUnit));
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : QWidget(nullptr, controls::kWindowFlags),
      form_(*this, form::kMainWindow),
      startButton_(form_.Button("startButton")),
      quitButton_(form_.Button("quitButton")),
      initializeButton_(form_.Button("initializeButton")),
      helpButton_(form_.Button("helpButton")),
      customerCaption_(form_.Label("customerCaption")),
      customerCount_(form_.Label("customerCount")),
      meanCaption_(form_.Label("meanCaption")),
      meanShortage_(form_.Label("meanShortage")),
      trialCaption_(form_.Label("trialCaption")),
      trialCount_(form_.Label("trialCount")),
      graph_(form_.Picture("graph")),
      services_(std::move(services)) {
    // A screen reader hears each value as labelled by its caption. The
    // captions have no access key, so the link changes nothing else.
    customerCaption_->setBuddy(customerCount_);
    trialCaption_->setBuddy(trialCount_);
    meanCaption_->setBuddy(meanShortage_);
    ClearOutcome();

    connect(startButton_, &QPushButton::clicked, this, &MainWindow::StartExperiment);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::Quit);
    connect(initializeButton_, &QPushButton::clicked, this, &MainWindow::Initialize);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::ShowHelp);
    new controls::KeepOnScreen(*this);
    new controls::FirstActivation(*this, [this] { AskForCounts(); });
}

// A blank graph and empty values; the graph's name for a screen reader.
void MainWindow::ClearOutcome() {
    graph_->Clear();
    graph_->setAccessibleName(ToQString(texts::kGraphName));
    trialCount_->clear();
    meanShortage_->clear();
    customerCount_->clear();
}

// Shows each box parameter entry asks for until both counts are in; an
// accepted count shows in its label before the next box.
void MainWindow::AskForCounts() {
    entry::ParameterEntry entry;
    for (;;) {
        switch (entry.Next()) {
            case entry::Box::Count: {
                const entry::CountQuestion& question = entry.Question();
                const std::string answer = services_.dialogs.AskText(
                    question.prompt, question.title, question.defaultText);
                if (const auto accepted = entry.Answer(answer)) {
                    const bool customers = accepted->question == &entry::kCustomerQuestion;
                    (customers ? customerCount_ : trialCount_)->setNum(accepted->count);
                }
                break;
            }
            case entry::Box::EndQuestion:
                entry.AnswerEnd(services_.dialogs.AskYesNo(texts::kEndQuestion, texts::kEndTitle) ==
                                controls::Answer::Yes);
                break;
            case entry::Box::EndProgram:
                services_.exit.ExitNow();
                return;  // not reached: nothing runs after the end
            case entry::Box::Done:
                runSize_ = entry.RunSize();
                return;
        }
    }
}

void MainWindow::StartExperiment() {
    // A click queued behind this one would start a second run from inside the
    // event processing below and draw it over this one's graph. A click before
    // the first counts are in has nothing to run.
    if (running_ || !runSize_) {
        return;
    }
    running_ = true;
    QCoreApplication::processEvents();
    setCursor(Qt::WaitCursor);
    quitButton_->setEnabled(false);
    initializeButton_->setEnabled(false);

    const engine::RunOutcome outcome =
        engine::RunExperiment(*runSize_, services_.clock, services_.random);
    meanShortage_->setText(QString::fromStdString(outcome.meanText));
    // Measured here rather than when the window is made: the first measure
    // loads the graph's face, which start-up need not wait for.
    FitLabelRow(*graph_);
    SpokenRows rows(*graph_);
    engine::DrawFrequencyGraph(outcome.tallies, *graph_, rows);
    graph_->setAccessibleName(
        QString::fromStdString(form::spoken::GraphOutcome(runSize_->trials, outcome.meanText)));

    startButton_->setEnabled(false);
    quitButton_->setEnabled(true);
    initializeButton_->setEnabled(true);
    setCursor(Qt::ArrowCursor);
    running_ = false;
}

// The run lets pending input through once, as it starts; a command clicked
// just before is then handled after the run, not in the middle of it.
bool MainWindow::PutOffWhileRunning(void (MainWindow::*command)()) {
    if (!running_) {
        return false;
    }
    QTimer::singleShot(0, this, command);
    return true;
}

void MainWindow::Quit() {
    if (PutOffWhileRunning(&MainWindow::Quit)) {
        return;
    }
    services_.chimes.Play(sound::kClosingChime);
    if (services_.dialogs.AskYesNo(texts::kEndQuestion, texts::kQuitTitle) ==
        controls::Answer::Yes) {
        services_.exit.ExitNow();
    }
}

void MainWindow::Initialize() {
    if (PutOffWhileRunning(&MainWindow::Initialize)) {
        return;
    }
    services_.chimes.Play(sound::kDoorChime);
    startButton_->setEnabled(true);
    ClearOutcome();
    AskForCounts();
}

void MainWindow::ShowHelp() {
    if (PutOffWhileRunning(&MainWindow::ShowHelp)) {
        return;
    }
    services_.chimes.Play(sound::kDoorChime);
    startButton_->setEnabled(true);
    controls::UnloadWindow(*this);
    services_.showHelpWindow();
}

}  // namespace main_window
