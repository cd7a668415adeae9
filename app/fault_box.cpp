#include "app/fault_box.h"

#include <QMessageBox>

#include "controls/utf8.h"
#include "form/texts.h"

namespace app {

void ShowFault(const char* message) {
    QMessageBox::critical(
        nullptr, controls::ToQString(form::texts::kQuitTitle),
        controls::ToQString(form::texts::kFaultBefore) + QString::fromUtf8(message));
}

}  // namespace app
