#pragma once

#include <QInputDialog>
#include <QMessageBox>

#include "controls/dialogs.h"

namespace controls {

// What both boxes do besides asking: they are dialogs of the window that asks
// (a title and a close box, nothing to minimise or maximise), they come back
// in front if a window manager minimised them anyway and that window is
// activated, and for a double-click interval after they appear their buttons
// ignore the mouse, so that the second click of a double-click meant for the
// box before cannot answer them unseen. Keys work at once.
class BoxSafeguards final : public QObject {
public:
    explicit BoxSafeguards(QDialog& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog& box_;
};

// A yes/no box whose only ways out are its two buttons: Escape and the close
// box do nothing (Qt's own box would take them as No).
class YesNoBox : public QMessageBox {
    Q_OBJECT
public:
    YesNoBox(const QString& prompt, const QString& title);
    QPushButton* YesButton() const { return yes_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* yes_;
    BoxSafeguards safeguards_{*this};
};

// An input box with its default text selected, OK and Cancel, placed
// centred across the asking window's screen about a third of the way down.
class InputBox : public QInputDialog {
    Q_OBJECT
public:
    InputBox(const QString& prompt, const QString& title, const QString& defaultText);

protected:
    void showEvent(QShowEvent* event) override;

private:
    BoxSafeguards safeguards_{*this};
};

// The modal boxes on Qt, application-modal so no window of the program takes
// input behind them.
class ModalBoxes final : public Dialogs {
public:
    std::string AskText(std::string_view prompt, std::string_view title,
                        std::string_view defaultText) override;
    Answer AskYesNo(std::string_view prompt, std::string_view title) override;
};

}  // namespace controls
