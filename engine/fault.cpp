#include "engine/fault.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace engine {
namespace {
std::atomic<FaultHook> g_hook{nullptr};
}  // namespace

void SetFaultHook(FaultHook hook) {
    g_hook.store(hook);
}

void StopOnFault(const char* message) {
    std::fprintf(stderr, "Run-time error: %s. The program stops.\n", message);
    std::fflush(stderr);
    if (FaultHook hook = g_hook.load()) {
        hook(message);
    }
    std::abort();
}

}  // namespace engine
