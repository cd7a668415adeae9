#pragma once

namespace app {

// Shows a fault's message in a box under the program's title; the program
// stops once it is closed. Installed as the engine's fault hook.
void ShowFault(const char* message);

}  // namespace app
