// The module is built without WebAssembly's exception handling, so nothing in
// it could catch a C++ exception: one thrown (the library's, on a failed
// allocation, say) stops the program as any other fault does. Exceptions stay
// on in the compiler only because the windows' tables check control names
// with a throw while compiling.
#include <cstddef>

#include "engine/fault.h"

extern "C" void* __cxa_allocate_exception(std::size_t /*bytes*/) {
    engine::StopOnFault("an exception, which nothing in the page can catch");
}

extern "C" void __cxa_throw(void* /*exception*/, void* /*type*/, void (* /*destroy*/)(void*)) {
    engine::StopOnFault("an exception, which nothing in the page can catch");
}
