#pragma once

class QWidget;

namespace controls {

// Puts the program's own accessible interfaces before Qt's: among them the
// input box's field, which answers every text query (Qt 6.4's own never
// returns for a word or sentence at the end of the text). Qt asks the factory
// installed last first, so this runs once the application is there, before
// the controls it serves are made; a second call changes nothing.
void InstallAccessibleInterfaces();

// A screen reader takes the window for a window, not for a filler inside one.
void ReportAsWindow(QWidget& window);

}  // namespace controls
