# clang-tidy with the committed .clang-tidy, one test per source file so that
# ctest spreads them over the cores; headers are checked through the sources.
# The widget and sound tests stay out: Qt and GoogleTest together cost about
# 15 seconds a file.
find_program(CLANG_TIDY NAMES clang-tidy-14 clang-tidy REQUIRED)
file(GLOB_RECURSE tidy_sources RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/engine/*.cpp
    ${PROJECT_SOURCE_DIR}/entry/*.cpp ${PROJECT_SOURCE_DIR}/form/*.cpp
    ${PROJECT_SOURCE_DIR}/picture/*.cpp ${PROJECT_SOURCE_DIR}/program/*.cpp
    ${PROJECT_SOURCE_DIR}/controls/*.cpp ${PROJECT_SOURCE_DIR}/sound/*.cpp
    ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/engine/*.cpp ${PROJECT_SOURCE_DIR}/tests/entry/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/form/*.cpp ${PROJECT_SOURCE_DIR}/tests/picture/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/program/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/*.cpp ${PROJECT_SOURCE_DIR}/tests/sound/chime_lookup_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/sound/wave_file_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/fuzz/*.cpp
    ${PROJECT_SOURCE_DIR}/web/tools/*.cpp ${PROJECT_SOURCE_DIR}/web/tests/*.cpp)
set(stamps ${CMAKE_CURRENT_BINARY_DIR}/clang_tidy_passed)
file(MAKE_DIRECTORY ${stamps})
foreach(source IN LISTS tidy_sources)
    set(database ${PROJECT_BINARY_DIR})
    if(source MATCHES "^tests/fuzz/")
        if(NOT FUZZ_COMPILE_COMMANDS)
            continue()
        endif()
        set(database ${FUZZ_COMPILE_COMMANDS})
    endif()
    if(source MATCHES "^bench/" AND NOT PERNAM_BUILD_BENCHMARKS)
        continue()
    endif()
    if(source MATCHES "^web/" AND NOT PERNAM_WEB_TOOLS)
        continue()
    endif()
    add_test(NAME clang_tidy.${source}
        COMMAND ${CMAKE_COMMAND} -DCLANG_TIDY=${CLANG_TIDY} -DROOT=${PROJECT_SOURCE_DIR}
                -DDATABASE=${database} -DSOURCE=${source} -DSTAMPS=${stamps}
                -P ${PROJECT_SOURCE_DIR}/tools/check_tidy.cmake)
endforeach()
