#pragma once

#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

#include "form/layout.h"
#include "form/spoken.h"

class QWidget;

namespace controls {

// What a screen reader reads of a picture instead of its pixels, an entry a
// bar or a sentence, and the entry the keys moved to: Up, Down, Home and End
// on the picture move through them.
class SpokenEntries final : public QObject {
public:
    SpokenEntries(QWidget& picture, form::Spoken kind);

    form::Spoken Kind() const { return kind_; }
    const QStringList& Entries() const { return entries_; }
    // Entries of an earlier drawing are gone: a new generation each time.
    int Generation() const { return generation_; }
    void Set(const std::vector<form::spoken::Entry>& entries);
    // Where an entry's characters stand as printed, if it was printed.
    const std::vector<form::spoken::Printed>& PrintedOf(int entry) const {
        return printed_.at(static_cast<std::size_t>(entry));
    }

    // The entry the keys moved to, -1 before any row; 0 for lines at first.
    int Current() const { return current_; }
    void SetCurrent(int entry);
    // Where a line starts in the lines joined by line feeds.
    int LineOffset(int line) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& picture_;
    form::Spoken kind_;
    QStringList entries_;
    std::vector<std::vector<form::spoken::Printed>> printed_;
    int generation_ = 0;
    int current_ = -1;
};

}  // namespace controls
