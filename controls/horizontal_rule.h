#pragma once

#include <QPainter>
#include <QWidget>

namespace controls {

// A one-pixel solid horizontal rule in the window-text colour.
class HorizontalRule : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::WindowText));
    }
};

}  // namespace controls
