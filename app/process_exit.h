#pragma once

#include "controls/dialogs.h"

namespace app {

// Ends the process on the spot, from inside any handler or nested box.
class ProcessExit final : public controls::ProgramExit {
public:
    [[noreturn]] void ExitNow() override;
};

}  // namespace app
