#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace controls {

// Closes a window and discards it with everything it shows. The handler that
// asks for it runs on to its end, and the program does not end for want of a
// window: the window is hidden rather than closed.
void UnloadWindow(QWidget& window);

// Runs a handler each time the window becomes the active window, queued so
// that the modal boxes it opens run outside the activation event; which
// activations count is the program's to say. A window first shown is raised
// and made active.
class ActivationReport final : public QObject {
public:
    ActivationReport(QWidget& window, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void()> handler_;
    bool shown_ = false;
};

}  // namespace controls
