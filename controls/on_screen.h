#pragma once

#include <QObject>
#include <QRect>
#include <QWidget>

namespace controls {

// Where a window frame placed at `frame` must go to lie within `available`:
// unchanged when it already does, otherwise moved the least distance that
// brings it inside; on a screen smaller than the frame its top-left corner
// stays visible.
QPoint PlaceWithin(QRect frame, QRect available);

// Keeps a window with a fixed position wholly on its screen when it is shown:
// on a small screen or a projector it moves just enough, on any screen large
// enough it stays exactly where it was placed.
class KeepOnScreen final : public QObject {
public:
    explicit KeepOnScreen(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();

    QWidget& window_;
};

}  // namespace controls
