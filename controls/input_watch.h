#pragma once

namespace controls {

// Whether the last key or button press anywhere in the program since the
// watch began came from the keyboard: a picture shows its focus frame to the
// keyboard only, as a browser's :focus-visible does.
void WatchInput();
bool LastInputWasKeyboard();

}  // namespace controls
