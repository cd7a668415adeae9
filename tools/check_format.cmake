# Fails when any C++ file of the project differs from its clang-format form.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
    ${ROOT}/app/*.cpp ${ROOT}/app/*.h
    ${ROOT}/engine/*.cpp ${ROOT}/engine/*.h
    ${ROOT}/controls/*.cpp ${ROOT}/controls/*.h
    ${ROOT}/sound/*.cpp ${ROOT}/sound/*.h
    ${ROOT}/main_window/*.cpp ${ROOT}/main_window/*.h
    ${ROOT}/help_window/*.cpp ${ROOT}/help_window/*.h
    ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
    ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h
    ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h
    ${ROOT}/web/*.cpp ${ROOT}/web/*.h)
execute_process(
    COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
    WORKING_DIRECTORY ${ROOT}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format finds files to reformat (run clang-format -i on them)")
endif()
list(LENGTH sources count)
message(STATUS "${count} files are clang-format clean")
