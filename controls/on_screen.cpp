#include "controls/on_screen.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include "form/raster.h"

namespace controls {

QPoint PlaceWithin(QRect frame, QRect available) {
    return {form::PlaceWithin(frame.x(), frame.width(), available.x(), available.width()),
            form::PlaceWithin(frame.y(), frame.height(), available.y(), available.height())};
}

KeepOnScreen::KeepOnScreen(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
}

bool KeepOnScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show) {
        // A window manager adds its frame after the window shows, sometimes a
        // little later: fit once it is likely there, and again after a while.
        QTimer::singleShot(0, this, [this] { Fit(); });
        QTimer::singleShot(std::chrono::milliseconds(300), this, [this] { Fit(); });
    }
    return false;
}

void KeepOnScreen::Fit() {
    const QScreen* screen = window_.screen();
    if (screen == nullptr || !window_.isVisible()) {
        return;
    }
    const QRect frame = window_.frameGeometry();
    const QPoint place = PlaceWithin(frame, screen->availableGeometry());
    if (place != frame.topLeft()) {
        window_.move(place);  // move() places the frame's top-left corner
    }
}

}  // namespace controls
