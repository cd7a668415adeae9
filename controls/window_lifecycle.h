#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace controls {

// Closes a window and discards it with everything it shows. The handler that
// asks for it runs on to its end, and the program does not end for want of a
// window: the window is hidden rather than closed.
void UnloadWindow(QWidget& window);

// Runs a window's activation handler once, at the first activation after the
// window is first shown; a box closing or a return from another program does
// not run it again. The handler is queued so that the modal boxes it opens run
// outside the activation event.
class FirstActivation final : public QObject {
public:
    FirstActivation(QWidget& window, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void()> handler_;
    bool shown_ = false;
    bool pending_ = false;
};

}  // namespace controls
