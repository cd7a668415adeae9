#include "help_window/form2.h"

#include <QStringList>

#include "help_window/help_text.h"
#include "main_window/form_metrics.h"
#include "main_window/qt_text.h"
#include "main_window/window_lifecycle.h"

namespace help_window {
namespace {

using main_window::Twips;
using main_window::TwipsRect;

// The text area's inner size in twips, inside its 30-twip sunken border: its
// coordinates are twips from the inner top-left corner.
constexpr int kTextAreaWidth = 9015;
constexpr int kTextAreaHeight = 6855;
constexpr int kBorder = 30;

}  // namespace

Form2::Form2(main_window::WindowSwitch& windows)
    : QWidget(nullptr, Qt::Window),
      Command1(new QPushButton(QStringLiteral("閉じる"), this)),
      Picture1(new main_window::PictureBox(this, kTextAreaWidth - 2 * kBorder,
                                           kTextAreaHeight - 2 * kBorder)),
      Line1(new main_window::LineControl(this)),
      windows_(windows) {
    setWindowTitle(QStringLiteral(" ペルナムの実験３＿ヘルプ（設問と操作方法）　"));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    QPalette paper = Picture1->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, paper.color(QPalette::ButtonText));
    Picture1->setPalette(paper);
    Picture1->setFont(main_window::GothicFont(15, false));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->Cls();
    // A screen reader cannot read the printed pixels; it gets the text itself.
    Picture1->setAccessibleName(QStringLiteral("設問と操作方法"));
    QStringList lines;
    for (const std::string_view line : HelpText) {
        lines << main_window::ToQString(line).trimmed();
    }
    Picture1->setAccessibleDescription(lines.join(QLatin1Char('\n')).trimmed());
    Command1->setAutoDefault(true);  // Enter presses it, as Space does

    setGeometry(TwipsRect(3090, 2040, 9255, 7440));
    Command1->setGeometry(TwipsRect(8400, 0, 735, 375));
    Picture1->setGeometry(TwipsRect(120, 480, kTextAreaWidth, kTextAreaHeight));
    // The rule runs from (120, 360) to (9120, 360), both ends included.
    Line1->setGeometry(Twips(120), Twips(360), Twips(9120) - Twips(120) + 1, 1);

    setTabOrder(Command1, Picture1);
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    new main_window::FirstActivation(*this, [this] { Form_Activate(); });
}

void Form2::Form_Activate() {
    PrintHelpText(*Picture1);
}

void Form2::Command1_Click() {
    main_window::Unload(*this);
    windows_.ShowMainWindow();
}

}  // namespace help_window
