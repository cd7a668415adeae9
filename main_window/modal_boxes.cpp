#include "main_window/modal_boxes.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "controls/utf8.h"

namespace main_window {

using controls::ToQString;

YesNoBox::YesNoBox(const QString& prompt, const QString& title) {
    setWindowTitle(title);
    setText(prompt);
    setIcon(QMessageBox::NoIcon);
    setTextFormat(Qt::PlainText);
    yes_ = addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
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

InputBox::InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    setWindowTitle(title);
    setLabelText(prompt);
    setInputMode(QInputDialog::TextInput);
    setTextValue(defaultText);
    setOkButtonText(QStringLiteral("OK"));
    setCancelButtonText(QStringLiteral("キャンセル"));
    setWindowModality(Qt::ApplicationModal);
}

void InputBox::showEvent(QShowEvent* event) {
    QInputDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
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

void ProcessExit::ExitNow() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace main_window
