# Warnings are errors in the project's own code; Qt and GoogleTest come in as
# system headers and are not held to this.
function(pernam_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
        -Wold-style-cast -Woverloaded-virtual -Werror)
endfunction()
