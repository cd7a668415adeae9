#pragma once

namespace engine {

// A fault is a call the program never makes when it works: a run outside the
// counts parameter entry allows, a bin that does not exist. The program stops
// with a message rather than carry on with a wrong or wrapped value.
using FaultHook = void (*)(const char* message);

// Lets the application show the message in a window before the program stops.
void SetFaultHook(FaultHook hook);

[[noreturn]] void StopOnFault(const char* message);

}  // namespace engine
