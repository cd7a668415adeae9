# Fails when any C++ file of the project differs from its clang-format form.
file(GLOB_RECURSE sources RELATIVE ${ROOT}
    ${ROOT}/app/*.cpp ${ROOT}/app/*.h
    ${ROOT}/engine/*.cpp ${ROOT}/engine/*.h
    ${ROOT}/controls/*.cpp ${ROOT}/controls/*.h
    ${ROOT}/sound/*.cpp ${ROOT}/sound/*.h
    ${ROOT}/form/*.cpp ${ROOT}/form/*.h
    ${ROOT}/entry/*.cpp ${ROOT}/entry/*.h
    ${ROOT}/picture/*.cpp ${ROOT}/picture/*.h
    ${ROOT}/program/*.cpp ${ROOT}/program/*.h
    ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
    ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h
    ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h
    ${ROOT}/web/module/*.cpp ${ROOT}/web/module/*.h
    ${ROOT}/web/tools/*.cpp ${ROOT}/web/tests/*.cpp)
execute_process(
    COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
    WORKING_DIRECTORY ${ROOT}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format finds files to reformat (run clang-format -i on them)")
endif()
list(LENGTH sources count)
message(STATUS "${count} files are clang-format clean")
