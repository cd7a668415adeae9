#include "app/process_exit.h"

#include <cstdio>
#include <cstdlib>

namespace app {

void ProcessExit::ExitNow() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

}  // namespace app
