#include "controls/spoken_entries.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace controls {

SpokenEntries::SpokenEntries(QWidget& picture, form::Spoken kind)
    : QObject(&picture), picture_(picture), kind_(kind) {
    picture.installEventFilter(this);
    Set({});
}

void SpokenEntries::Set(const std::vector<form::spoken::Entry>& entries) {
    entries_.clear();
    printed_.clear();
    for (const form::spoken::Entry& entry : entries) {
        entries_ << QString::fromStdString(entry.text);
        printed_.push_back(entry.printed);
    }
    ++generation_;
    current_ = kind_ == form::Spoken::PrintedLines ? 0 : -1;
}

int SpokenEntries::LineOffset(int line) const {
    int offset = 0;
    for (int i = 0; i < line && i < entries_.size(); ++i) {
        offset += static_cast<int>(entries_[i].size()) + 1;
    }
    return offset;
}

void SpokenEntries::SetCurrent(int entry) {
    if (entry == current_ || entry < 0 || entry >= entries_.size()) {
        return;
    }
    current_ = entry;
    // A row takes the screen reader's focus; within lines the caret moves.
    if (kind_ == form::Spoken::Rows) {
        QAccessibleEvent focus(&picture_, QAccessible::Focus);
        focus.setChild(entry);
        QAccessible::updateAccessibility(&focus);
    } else {
        QAccessibleTextCursorEvent moved(&picture_, LineOffset(entry));
        QAccessible::updateAccessibility(&moved);
    }
}

bool SpokenEntries::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &picture_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto last = static_cast<int>(entries_.size()) - 1;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
            SetCurrent(std::max(current_ - 1, 0));
            return true;
        case Qt::Key_Down:
            SetCurrent(std::min(current_ + 1, last));
            return true;
        case Qt::Key_Home:
            SetCurrent(0);
            return true;
        case Qt::Key_End:
            SetCurrent(last);
            return true;
        default:
            return false;
    }
}

}  // namespace controls
