#include "controls/input_watch.h"

#include <QCoreApplication>
#include <QEvent>

namespace controls {
namespace {

class InputWatch final : public QObject {
public:
    static InputWatch& Instance() {
        static auto* watch = new InputWatch;
        return *watch;
    }
    bool keyboard = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                keyboard = true;
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::TouchBegin:
            case QEvent::TabletPress:
                keyboard = false;
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    InputWatch() : QObject(QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
    }
};

}  // namespace

void WatchInput() {
    InputWatch::Instance();
}

bool LastInputWasKeyboard() {
    return InputWatch::Instance().keyboard;
}

}  // namespace controls
