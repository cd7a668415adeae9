#include "controls/modal_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "controls/accessibility.h"
#include "controls/utf8.h"
#include "form/texts.h"

namespace controls {

BoxSafeguards::BoxSafeguards(QDialog& box) : QObject(&box), box_(box) {
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    box.installEventFilter(this);
    if (QWidget* owner = box.parentWidget()) {
        owner->installEventFilter(this);
    }
}

bool BoxSafeguards::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &box_ && type == QEvent::Show) {
        // The mouse goes through the buttons to the box behind them, which
        // neither answers nor takes the keyboard focus from the edit field.
        const QList<QAbstractButton*> buttons = box_.findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            button->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        }
        QTimer::singleShot(QApplication::doubleClickInterval(), this, [buttons] {
            for (QAbstractButton* button : buttons) {
                button->setAttribute(Qt::WA_TransparentForMouseEvents, false);
            }
        });
    } else if (watched == box_.parentWidget() && type == QEvent::WindowActivate &&
               box_.isVisible() && box_.isMinimized()) {
        box_.showNormal();
        box_.raise();
        box_.activateWindow();
    }
    return false;
}

YesNoBox::YesNoBox(const QString& prompt, const QString& title)
    : QMessageBox(QApplication::activeWindow()) {
    InstallAccessibleInterfaces();
    setWindowTitle(title);
    setText(prompt);
    setIcon(QMessageBox::NoIcon);
    setTextFormat(Qt::PlainText);
    yes_ = addButton(ToQString(form::texts::kYes), QMessageBox::YesRole);
    addButton(ToQString(form::texts::kNo), QMessageBox::NoRole);
    setDefaultButton(yes_);
    setWindowModality(Qt::ApplicationModal);
}

void YesNoBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void YesNoBox::closeEvent(QCloseEvent* event) {
    event->ignore();
}

InputBox::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
    : QInputDialog(QApplication::activeWindow()) {
    InstallAccessibleInterfaces();  // before the field is made
    setWindowTitle(title);
    setLabelText(prompt);
    setInputMode(QInputDialog::TextInput);
    setTextValue(defaultText);
    setOkButtonText(ToQString(form::texts::kOk));
    setCancelButtonText(ToQString(form::texts::kCancel));
    setWindowModality(Qt::ApplicationModal);
    // A box of fixed size, known before it is mapped, cannot be maximised even
    // by a window manager that ignores the hints (openbox still draws the
    // button, but it does nothing).
    if (layout() != nullptr) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

// Over the window that asks, on its screen: with a projector beside a laptop,
// on the one the class looks at.
void InputBox::showEvent(QShowEvent* event) {
    QInputDialog::showEvent(event);
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + area.height() / 3 - height() / 2);
    }
}

std::string ModalBoxes::AskText(std::string_view prompt, std::string_view title,
                                std::string_view defaultText) {
    InputBox box(ToQString(prompt), ToQString(title), ToQString(defaultText));
    if (box.exec() != QDialog::Accepted) {
        return {};
    }
    return box.textValue().toStdString();
}

Answer ModalBoxes::AskYesNo(std::string_view prompt, std::string_view title) {
    YesNoBox box(ToQString(prompt), ToQString(title));
    box.exec();
    return box.clickedButton() == box.YesButton() ? Answer::Yes : Answer::No;
}

}  // namespace controls
