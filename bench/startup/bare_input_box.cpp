// The floor of the start-up benchmark: a bare Qt Widgets program that shows
// one input box with the same title, prompt and default as the program's
// first box, and nothing else.
#include <QApplication>
#include <QInputDialog>

#include "controls/utf8.h"
#include "entry/parameter_entry.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const entry::CountQuestion& question = entry::kCustomerQuestion;
    QInputDialog::getText(nullptr, controls::ToQString(question.title),
                          controls::ToQString(question.prompt), QLineEdit::Normal,
                          controls::ToQString(question.defaultText));
    return 0;
}
