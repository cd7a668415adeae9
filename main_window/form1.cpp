#include "main_window/form1.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <utility>

#include "engine/frequency_graph.h"
#include "engine/trial_simulation.h"
#include "main_window/coin_icon.h"
#include "main_window/form_metrics.h"
#include "main_window/parameter_entry.h"
#include "main_window/qt_text.h"
#include "main_window/window_lifecycle.h"

namespace main_window {
namespace {

constexpr int kHourglass = 11;

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

class LabelCaption final : public CaptionTarget {
public:
    LabelCaption(QLabel* value, const QLabel* caption) : value_(value), caption_(caption) {}
    void SetCaption(std::string_view utf8Text) override {
        ShowValue(value_, caption_, ToQString(utf8Text));
    }

private:
    QLabel* value_;
    const QLabel* caption_;
};

// The label row under the graph places its numbers with plain spaces, set for
// the classroom machines' face. In the stand-in face "0" would stand about six
// units left of its tick, so the characters are spaced out a fraction of a
// pixel until the last number is centred under it; the text stays as it is.
void FitLabelRow(PictureBox& picture) {
    QFont font = picture.font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.0);
    const QFontMetricsF metrics(font);
    const QString row = ToQString(engine::kLabelRow);
    const QString lead = row.left(row.size() - 1);
    const double perUnit = picture.contentsRect().width() / 130.0;
    const double centre =
        perUnit + metrics.horizontalAdvance(lead) + metrics.horizontalAdvance(row.back()) / 2.0;
    font.setLetterSpacing(QFont::AbsoluteSpacing,
                          (120.0 * perUnit - centre) / (static_cast<double>(lead.size()) + 0.5));
    picture.setFont(font);
}

QPushButton* MakeButton(QWidget* parent, const char* text, const char* description) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setFont(GothicFont(15, false));
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleDescription(QString::fromUtf8(description));
    // Enter as well as Space presses the focused button, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

enum class Border { Flat, Sunken };

// The title label keeps the window-text colour; the others use button text.
QLabel* MakeLabel(QWidget* parent, const char* text, const QFont& font, const QColor& back,
                  Border border) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
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

}  // namespace

Form1::Form1(Form1Services services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      Command1(MakeButton(this, "実験開始", "実験を行い、度数分布のグラフを描きます")),
      Command2(MakeButton(this, "終了", "プログラムを終了します")),
      Command3(MakeButton(this, "初期化", "グラフを消して、お客人数と実験回数を入力し直します")),
      Command4(MakeButton(this, "HELP", "設問と操作方法を表示します")),
      Label84(MakeLabel(this, "ペルナムの実験（その３）", GothicFont(21, true),
                        QColor(128, 255, 255), Border::Flat)),
      Label83(MakeLabel(this, "お客人数", GothicFont(19, true), Qt::white, Border::Sunken)),
      Label82(MakeLabel(this, "", GothicFont(19, false), Qt::white, Border::Sunken)),
      Label4(MakeLabel(this, "不足枚数の平均", GothicFont(19, true), Qt::white, Border::Sunken)),
      Label3(MakeLabel(this, "", GothicFont(19, false), Qt::white, Border::Sunken)),
      Label1(MakeLabel(this, "実験回数", GothicFont(19, true), Qt::white, Border::Sunken)),
      Label2(MakeLabel(this, "", GothicFont(19, false), Qt::white, Border::Sunken)),
      Picture1(new PictureBox(this, 130.0, 300.0)),
      Line1(new LineControl(this)),
      MMControl1(services.newMultimediaControl()),
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

    QPalette graph = Picture1->palette();
    graph.setColor(QPalette::Window, graph.color(QPalette::Button));
    graph.setColor(QPalette::WindowText, graph.color(QPalette::ButtonText));
    Picture1->setPalette(graph);
    Picture1->setFont(GothicFont(12, false));  // the system's ordinary dialog font size
    Picture1->setFocusPolicy(Qt::StrongFocus);
    ClearOutcome();

    Lay();
    FitLabelRow(*Picture1);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Picture1);
    setTabOrder(Picture1, Command4);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    new FirstActivation(*this, [this] { Form_Activate(); });
}

void Form1::Lay() {
    setGeometry(TwipsRect(3480, 1485, 8325, 7680));
    Command2->setGeometry(TwipsRect(0, 0, 855, 375));
    Label84->setGeometry(TwipsRect(1920, 0, 4455, 375));
    Command4->setGeometry(TwipsRect(6600, 0, 855, 375));
    Command3->setGeometry(TwipsRect(7440, 0, 855, 375));
    Picture1->setGeometry(TwipsRect(120, 600, 8055, 5775));
    Label83->setGeometry(TwipsRect(240, 6600, 1455, 375));
    Label82->setGeometry(TwipsRect(1680, 6600, 1095, 375));
    Label4->setGeometry(TwipsRect(3000, 6840, 2295, 375));
    Label3->setGeometry(TwipsRect(5280, 6840, 1095, 375));
    Label1->setGeometry(TwipsRect(240, 7080, 1455, 375));
    Label2->setGeometry(TwipsRect(1680, 7080, 1095, 375));
    Command1->setGeometry(TwipsRect(6720, 6720, 1335, 615));
    // The rule runs from (0, 360) to (8280, 360), both ends included.
    Line1->setGeometry(0, Twips(360), Twips(8280) + 1, 1);
}

// A blank graph and empty values, each with the name a screen reader speaks.
void Form1::ClearOutcome() {
    Picture1->Cls();
    Picture1->setAccessibleName(GraphName());
    ShowValue(Label2, Label1, {});
    ShowValue(Label3, Label4, {});
    ShowValue(Label82, Label83, {});
}

void Form1::Form_Activate() {
    LabelCaption customer(Label82, Label83);
    LabelCaption trial(Label2, Label1);
    EnterParameters(state_, services_.dialogs, services_.program, customer, trial);
}

void Form1::SetMousePointer(int shape) {
    setCursor(shape == kHourglass ? Qt::WaitCursor : Qt::ArrowCursor);
}

void Form1::Command1_Click() {
    // A click queued behind this one would start a second run from inside the
    // event processing below and draw it over this one's graph.
    if (running_) {
        return;
    }
    running_ = true;
    QCoreApplication::processEvents();
    SetMousePointer(kHourglass);
    Command2->setEnabled(false);
    Command3->setEnabled(false);

    const engine::RunOutcome outcome =
        engine::RunExperiment(state_, services_.clock, services_.random);
    ShowValue(Label3, Label4, QString::fromStdString(outcome.meanText));
    engine::DrawFrequencyGraph(outcome.counts, *Picture1);
    Picture1->setAccessibleName(GraphName() + QStringLiteral("　実験回数 %1回　不足枚数の平均 %2")
                                                  .arg(state_.TrialCount)
                                                  .arg(Label3->text()));

    Command1->setEnabled(false);
    Command2->setEnabled(true);
    Command3->setEnabled(true);
    SetMousePointer(1);
    running_ = false;
}

// The run lets pending input through once, as it starts; a command clicked
// just before is then handled after the run, not in the middle of it.
bool Form1::PutOffWhileRunning(void (Form1::*handler)()) {
    if (!running_) {
        return false;
    }
    QTimer::singleShot(0, this, handler);
    return true;
}

void Form1::Command2_Click() {
    if (PutOffWhileRunning(&Form1::Command2_Click)) {
        return;
    }
    PlayChime(*MMControl1, "endpinpon.wav");
    state_.ConfirmAnswer = static_cast<std::int16_t>(
        services_.dialogs.MsgBox(kConfirmPrompt, kYesNo, "ペルナムの実験"));
    if (state_.ConfirmAnswer == kYes) {
        services_.program.End();
    }
}

void Form1::Command3_Click() {
    if (PutOffWhileRunning(&Form1::Command3_Click)) {
        return;
    }
    PlayChime(*MMControl1, "pinpon.wav");
    Command1->setEnabled(true);
    ClearOutcome();
    Form_Activate();
}

void Form1::Command4_Click() {
    if (PutOffWhileRunning(&Form1::Command4_Click)) {
        return;
    }
    PlayChime(*MMControl1, "pinpon.wav");
    Command1->setEnabled(true);
    Unload(*this);
    services_.windows.ShowHelpWindow();
}

}  // namespace main_window
