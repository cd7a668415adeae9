# The page's module: the program's plain C++ compiled to WebAssembly by
# Debian's clang 22 for WASI, a reactor with no main that the page calls.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-22)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# clang 22 calls the target wasm32-wasip1, but Debian's WASI libraries sit
# under the old name; -Wno-deprecated keeps the driver's note about it quiet.
# No SIMD: a browser whose JavaScript engine runs without its JIT cannot
# compile it. No RTTI: nothing asks for it, and the module is smaller.
set(CMAKE_CXX_FLAGS_INIT "-Wno-deprecated -fno-rtti")
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O2")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
