#include "main_window/main_window.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "controls/horizontal_rule.h"
#include "controls/on_screen.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_lifecycle.h"
#include "controls/window_metrics.h"
#include "engine/frequency_graph.h"
#include "main_window/coin_icon.h"
#include "main_window/parameter_entry.h"

namespace main_window {
namespace {

using controls::GothicFont;
using controls::ToQString;
using controls::TwipsRect;

QString GraphName() {
    return QStringLiteral("度数分布のグラフ");
}

// A screen reader knows a value label only by its name, so the name carries
// the caption beside it as well as the value.
void ShowValue(QLabel* value, const QLabel* caption, const QString& text) {
    value->setText(text);
    value->setAccessibleName(text.isEmpty() ? caption->text()
                                            : caption->text() + QStringLiteral("　") + text);
}

// The label row under the graph places its numbers with plain spaces, set for
// the classroom machines' face. In the stand-in face "0" would stand about six
// units left of its tick, so the characters are spaced out a fraction of a
// pixel until the last number is centred under it; the text stays as it is.
void FitLabelRow(controls::PictureArea& graph) {
    QFont font = graph.font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.0);
    const QFontMetricsF metrics(font);
    const QString row = ToQString(engine::kLabelRow);
    const QString lead = row.left(row.size() - 1);
    const double perUnit = graph.contentsRect().width() / engine::kGraphWidthUnits;
    const double centre = engine::kLabelRowX * perUnit + metrics.horizontalAdvance(lead) +
                          metrics.horizontalAdvance(row.back()) / 2.0;
    font.setLetterSpacing(QFont::AbsoluteSpacing, (engine::kZeroTickX * perUnit - centre) /
                                                      (static_cast<double>(lead.size()) + 0.5));
    graph.setFont(font);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* text,
                        const char* description) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(GothicFont(15, false));
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleDescription(QString::fromUtf8(description));
    // Enter as well as Space presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

enum class Border { Flat, Sunken };

// The title label keeps the window-text colour; the others use button text.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, const QFont& font,
                  const QColor& back, Border border) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFrameStyle(border == Border::Flat ? QFrame::Box | QFrame::Plain
                                                : QFrame::WinPanel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setIndent(0);  // a framed label would otherwise push its text down into the border
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, back);
    if (border == Border::Sunken) {
        colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
    }
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    return label;
}

QLabel* MakeCaption(QWidget* parent, const char* name, const char* text) {
    return MakeLabel(parent, name, text, GothicFont(19, true), Qt::white, Border::Sunken);
}

QLabel* MakeValue(QWidget* parent, const char* name) {
    return MakeLabel(parent, name, "", GothicFont(19, false), Qt::white, Border::Sunken);
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services)
    : QWidget(nullptr, controls::kWindowFlags),
      startButton_(
          MakeButton(this, "startButton", "実験開始", "実験を行い、度数分布のグラフを描きます")),
      quitButton_(MakeButton(this, "quitButton", "終了", "プログラムを終了します")),
      initializeButton_(MakeButton(this, "initializeButton", "初期化",
                                   "グラフを消して、お客人数と実験回数を入力し直します")),
      helpButton_(MakeButton(this, "helpButton", "HELP", "設問と操作方法を表示します")),
      title_(MakeLabel(this, "title", "ペルナムの実験（その３）", GothicFont(21, true),
                       QColor(128, 255, 255), Border::Flat)),
      customerCaption_(MakeCaption(this, "customerCaption", "お客人数")),
      customerCount_(MakeValue(this, "customerCount")),
      meanCaption_(MakeCaption(this, "meanCaption", "不足枚数の平均")),
      meanShortage_(MakeValue(this, "meanShortage")),
      trialCaption_(MakeCaption(this, "trialCaption", "実験回数")),
      trialCount_(MakeValue(this, "trialCount")),
      graph_(new controls::PictureArea(this, engine::kGraphWidthUnits, engine::kGraphHeightUnits)),
      rule_(new controls::HorizontalRule(this)),
      services_(std::move(services)) {
    setWindowTitle(QStringLiteral(" ペルナムの実験３　お釣りの５００円玉は何枚用意すればよいか"));
    QIcon icon;
    for (const int size : {32, 64, 128}) {  // larger sizes for high-density title bars
        icon.addPixmap(QPixmap::fromImage(DrawCoinIcon(size)));
    }
    setWindowIcon(icon);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    graph_->setObjectName(QStringLiteral("graph"));
    QPalette graphColours = graph_->palette();
    graphColours.setColor(QPalette::Window, graphColours.color(QPalette::Button));
    graphColours.setColor(QPalette::WindowText, graphColours.color(QPalette::ButtonText));
    graph_->setPalette(graphColours);
    graph_->setFont(GothicFont(12, false));  // the system's ordinary dialog font size
    graph_->setFocusPolicy(Qt::StrongFocus);
    ClearOutcome();

    PlaceControls();
    rule_->lower();  // a line drawn on the window, under the buttons' lower edges
    FitLabelRow(*graph_);

    setTabOrder(startButton_, quitButton_);
    setTabOrder(quitButton_, initializeButton_);
    setTabOrder(initializeButton_, graph_);
    setTabOrder(graph_, helpButton_);
    startButton_->setFocus();

    connect(startButton_, &QPushButton::clicked, this, &MainWindow::StartExperiment);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::Quit);
    connect(initializeButton_, &QPushButton::clicked, this, &MainWindow::Initialize);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::ShowHelp);
    new controls::KeepOnScreen(*this);
    new controls::FirstActivation(*this, [this] { AskForCounts(); });
}

void MainWindow::PlaceControls() {
    setGeometry(TwipsRect(3480, 1485, 8325, 7680));
    quitButton_->setGeometry(TwipsRect(0, 0, 855, 375));
    title_->setGeometry(TwipsRect(1920, 0, 4455, 375));
    helpButton_->setGeometry(TwipsRect(6600, 0, 855, 375));
    initializeButton_->setGeometry(TwipsRect(7440, 0, 855, 375));
    graph_->setGeometry(TwipsRect(120, 600, 8055, 5775));
    customerCaption_->setGeometry(TwipsRect(240, 6600, 1455, 375));
    customerCount_->setGeometry(TwipsRect(1680, 6600, 1095, 375));
    meanCaption_->setGeometry(TwipsRect(3000, 6840, 2295, 375));
    meanShortage_->setGeometry(TwipsRect(5280, 6840, 1095, 375));
    trialCaption_->setGeometry(TwipsRect(240, 7080, 1455, 375));
    trialCount_->setGeometry(TwipsRect(1680, 7080, 1095, 375));
    startButton_->setGeometry(TwipsRect(6720, 6720, 1335, 615));
    // The rule runs from (0, 360) to (8280, 360), both ends included.
    rule_->setGeometry(0, controls::Twips(360), controls::Twips(8280) + 1, 1);
}

// A blank graph and empty values, each with the name a screen reader speaks.
void MainWindow::ClearOutcome() {
    graph_->Clear();
    graph_->setAccessibleName(GraphName());
    ShowValue(trialCount_, trialCaption_, {});
    ShowValue(meanShortage_, meanCaption_, {});
    ShowValue(customerCount_, customerCaption_, {});
}

void MainWindow::AskForCounts() {
    counts_.customers = AskCount(kCustomerQuestion, services_.dialogs, services_.exit);
    ShowValue(customerCount_, customerCaption_, QString::number(counts_.customers));
    counts_.trials = AskCount(kTrialQuestion, services_.dialogs, services_.exit);
    ShowValue(trialCount_, trialCaption_, QString::number(counts_.trials));
}

void MainWindow::StartExperiment() {
    // A click queued behind this one would start a second run from inside the
    // event processing below and draw it over this one's graph. A click before
    // the first counts are in has nothing to run.
    if (running_ || counts_.trials == 0) {
        return;
    }
    running_ = true;
    QCoreApplication::processEvents();
    setCursor(Qt::WaitCursor);
    quitButton_->setEnabled(false);
    initializeButton_->setEnabled(false);

    const engine::RunOutcome outcome =
        engine::RunExperiment(counts_, services_.clock, services_.random);
    ShowValue(meanShortage_, meanCaption_, QString::fromStdString(outcome.meanText));
    engine::DrawFrequencyGraph(outcome.counts, *graph_);
    graph_->setAccessibleName(GraphName() + QStringLiteral("　実験回数 %1回　不足枚数の平均 %2")
                                                .arg(counts_.trials)
                                                .arg(meanShortage_->text()));

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
    if (services_.dialogs.AskYesNo(kEndQuestion, "ペルナムの実験") == Answer::Yes) {
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
