# Runs clang-tidy on one source file, every warning an error. A file that
# passed is not checked again until it, a project header, a .clang-tidy file or
# the compilation database changes.
#   cmake -DCLANG_TIDY=<program> -DROOT=<source tree> -DDATABASE=<directory>
#         -DSOURCE=<file in ROOT> -DSTAMPS=<directory> -P clang_tidy.cmake
file(GLOB_RECURSE inputs
    ${ROOT}/app/*.h ${ROOT}/engine/*.h ${ROOT}/controls/*.h ${ROOT}/sound/*.h
    ${ROOT}/form/*.h ${ROOT}/entry/*.h ${ROOT}/picture/*.h ${ROOT}/program/*.h
    ${ROOT}/bench/*.h ${ROOT}/tests/*.h ${ROOT}/tests/.clang-tidy)
set(key "${CLANG_TIDY}\n")
foreach(input IN LISTS inputs ITEMS ${ROOT}/.clang-tidy ${ROOT}/${SOURCE}
                                    ${DATABASE}/compile_commands.json)
    file(SHA256 ${input} hash)
    string(APPEND key "${input} ${hash}\n")
endforeach()

string(MAKE_C_IDENTIFIER ${SOURCE} name)
set(stamp ${STAMPS}/${name})
if(EXISTS ${stamp})
    file(READ ${stamp} passed)
    if(passed STREQUAL key)
        message(STATUS "${SOURCE}: unchanged since its last clean pass")
        return()
    endif()
endif()

execute_process(
    COMMAND ${CLANG_TIDY} -p ${DATABASE} --quiet --warnings-as-errors=* ${ROOT}/${SOURCE}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE ${stamp})
    message(FATAL_ERROR "clang-tidy finds fault with ${SOURCE}")
endif()
file(WRITE ${stamp} ${key})
