# The project's warning flags, shared by the main build and the fuzzing build.
# They become errors only with PERNAM_WERROR (on in the project's scripts and
# CI): a newer compiler on a user's machine must not break the build. Qt and
# GoogleTest come in as system headers and are not held to them.
function(pernam_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
        -Wold-style-cast -Woverloaded-virtual $<$<BOOL:${PERNAM_WERROR}>:-Werror>)
endfunction()
