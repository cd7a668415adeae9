#include "controls/window_lifecycle.h"

#include <QEvent>
#include <QTimer>
#include <utility>

namespace controls {

void UnloadWindow(QWidget& window) {
    window.hide();
    window.deleteLater();
}

ActivationReport::ActivationReport(QWidget& window, std::function<void()> handler)
    : QObject(&window), window_(window), handler_(std::move(handler)) {
    window.installEventFilter(this);
}

bool ActivationReport::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    if (event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        // Without a window manager nobody else gives the new window the focus.
        QTimer::singleShot(0, &window_, [this] {
            window_.raise();
            window_.activateWindow();
        });
    } else if (event->type() == QEvent::ActivationChange && window_.isActiveWindow()) {
        QTimer::singleShot(0, &window_, handler_);
    }
    return false;
}

}  // namespace controls
