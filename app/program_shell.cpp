#include "app/program_shell.h"

#include <QCoreApplication>
#include <QLabel>

#include "app/coin_icon.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_lifecycle.h"
#include "controls/window_metrics.h"

namespace app {

ProgramShell::ProgramShell(controls::Dialogs& dialogs, controls::ProgramExit& exit,
                           engine::Clock& clock, engine::RandomSource& random,
                           sound::ChimePlayer& chimes)
    : dialogs_(dialogs), exit_(exit), chimes_(chimes), model_(clock, random) {}

controls::FormWindow* ProgramShell::Window(std::string_view name) const {
    return !window_.isNull() && window_->Layout().name == name ? window_.data() : nullptr;
}

void ProgramShell::TakeSteps() {
    if (taking_) {
        return;
    }
    taking_ = true;
    // Ending the program may leave by an exception in a test's fake.
    struct Done {
        bool& taking;
        ~Done() { taking = false; }
    } done{taking_};
    for (program::Step step = model_.Next(); step.kind != program::StepKind::Wait;
         step = model_.Next()) {
        Take(step);
    }
}

// Loaded anew from its table; its pictures draw at the dpi and pixel ratio of
// the screen it comes up on.
void ProgramShell::Show(std::string_view name) {
    const form::WindowLayout& layout =
        name == form::kMainWindow.name ? form::kMainWindow : form::kHelpWindow;
    auto* window = new controls::FormWindow(layout);
    if (&layout == &form::kMainWindow) {
        window->setWindowIcon(CoinIcon());
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &controls::FormWindow::Clicked, this, [this](std::string_view control) {
        model_.Clicked(control);
        TakeSteps();
    });
    connect(window, &controls::FormWindow::Activated, this, [this, name = layout.name] {
        model_.Activated(name);
        TakeSteps();
    });
    // Moved to a screen of another pixel ratio, its pictures are drawn again
    // crisp there from what they hold.
    connect(window, &controls::FormWindow::ScreenChanged, this, [this, window, &layout] {
        for (const form::Control& control : layout.controls) {
            if (picture::PictureSurface* surface = model_.Picture(control.name)) {
                if (surface->PixelRatio() != window->devicePixelRatioF()) {
                    surface->Redraw(window->devicePixelRatioF());
                }
            }
        }
    });
    for (const form::Control& control : layout.controls) {
        if (control.kind == form::ControlKind::Picture) {
            model_.Attach(control.name, *window->Picture(control.name),
                          controls::LogicalDpi(window->screen()), window->devicePixelRatioF());
        }
    }
    window_ = window;
    window->show();
}

// Steps about controls come only while a window is on screen.
void ProgramShell::Take(const program::Step& step) {
    using program::StepKind;
    switch (step.kind) {
        case StepKind::Wait:
            break;
        case StepKind::ShowWindow:
            Show(step.window);
            break;
        case StepKind::UnloadWindow:
            // The next window comes up on the screen this one was on.
            screen_ = window_->screen();
            controls::UnloadWindow(*window_);
            window_ = nullptr;
            break;
        case StepKind::PlayChime:
            chimes_.Play(step.text);
            break;
        case StepKind::AskCount:
            model_.AnswerCount(dialogs_.AskText(step.prompt, step.title, step.text));
            break;
        case StepKind::AskYesNo:
            model_.AnswerYesNo(dialogs_.AskYesNo(step.prompt, step.title) == controls::Answer::Yes);
            break;
        case StepKind::LetInputThrough:
            QCoreApplication::processEvents();
            break;
        case StepKind::SetBusy:
            window_->setCursor(step.on ? Qt::WaitCursor : Qt::ArrowCursor);
            break;
        case StepKind::SetEnabled:
            window_->Control(step.control)->setEnabled(step.on);
            break;
        case StepKind::SetText:
            window_->Label(step.control)->setText(controls::ToQString(step.text));
            break;
        case StepKind::SetSpokenName:
            window_->Control(step.control)->setAccessibleName(controls::ToQString(step.text));
            break;
        case StepKind::SetSpokenEntries:
            window_->Picture(step.control)->Spoken().Set(model_.SpokenEntries(step.control));
            break;
        case StepKind::Focus:
            window_->Control(step.control)->setFocus();
            break;
        case StepKind::End:
            exit_.ExitNow();
    }
}

}  // namespace app
