#include "engine/checked.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace engine {
namespace {
std::atomic<CheckFailureHook> g_hook{nullptr};
}  // namespace

void SetCheckFailureHook(CheckFailureHook hook) {
    g_hook.store(hook);
}

void FailCheck(const char* message) {
    std::fprintf(stderr, "Run-time error: %s. The program stops.\n", message);
    std::fflush(stderr);
    if (CheckFailureHook hook = g_hook.load()) {
        hook(message);
    }
    std::abort();
}

}  // namespace engine
