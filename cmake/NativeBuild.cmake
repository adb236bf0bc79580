# The native build: market data, the core tests, the benchmark, and the cross build run by Wine.
include(cmake/MarketData.cmake)

add_executable(data_tests tests/data/ShippedFilesTest.cpp tools/marketgen/MarketGenerator.cpp)
target_include_directories(data_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(data_tests PRIVATE TICKERDELL_GAME_DIR="${TICKERDELL_GAME_DIR}"
                                              TICKERDELL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(data_tests PRIVATE tickerdell_core GTest::gtest_main)
add_dependencies(data_tests market_data)

include(CTest)
include(GoogleTest)
gtest_discover_tests(core_tests DISCOVERY_MODE PRE_TEST)
gtest_discover_tests(data_tests DISCOVERY_MODE PRE_TEST)

find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_executable(market_bench bench/MarketLoadBench.cpp)
    target_link_libraries(market_bench PRIVATE tickerdell_core benchmark::benchmark)
    target_compile_definitions(market_bench PRIVATE TICKERDELL_GAME_DIR="${TICKERDELL_GAME_DIR}")
    add_executable(settlement_bench bench/SettlementBench.cpp)
    target_link_libraries(settlement_bench PRIVATE tickerdell_core benchmark::benchmark)
    target_compile_definitions(settlement_bench PRIVATE TICKERDELL_GAME_DIR="${TICKERDELL_GAME_DIR}")
endif()

option(TICKERDELL_WINDOWS_BUILD "Cross-build the game with mingw-w64 and test it under Wine" ON)
if(TICKERDELL_WINDOWS_BUILD)
    include(cmake/WineTests.cmake)
endif()

# The help beside Tickerdell.exe: project.hlp for the viewer, winhelp.hlp for its "Using Help", and
# help.html for Windows versions that ship no viewer; all three written from resources/help.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
file(GLOB HELP_WRITER CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/helpfile/*.py)
# A .hlp file records the date it was made. It is the last commit's, so that every build of a commit
# writes the same bytes; SOURCE_DATE_EPOCH overrides it, and outside git the help source's own date does.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(HELP_DATE $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE HELP_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT HELP_DATE MATCHES "^[0-9]+$")
        file(TIMESTAMP ${CMAKE_SOURCE_DIR}/resources/help/project.txt HELP_DATE "%s" UTC)
    endif()
endif()
# Written only when it changes, so that a new commit's date (read at the next configure) rewrites the help.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/help-date.txt CONTENT "${HELP_DATE}\n")
set(MAKE_HELP ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/helpfile/makehelp.py --date ${HELP_DATE})
list(APPEND HELP_WRITER ${CMAKE_BINARY_DIR}/generated/help-date.txt)
add_custom_command(
    OUTPUT ${TICKERDELL_GAME_DIR}/project.hlp ${TICKERDELL_GAME_DIR}/help.html
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TICKERDELL_GAME_DIR}
    COMMAND ${MAKE_HELP} ${CMAKE_SOURCE_DIR}/resources/help/project.txt --hlp ${TICKERDELL_GAME_DIR}/project.hlp
            --html ${TICKERDELL_GAME_DIR}/help.html --contexts ${CMAKE_SOURCE_DIR}/resources/resource.h
    DEPENDS ${HELP_WRITER} ${CMAKE_SOURCE_DIR}/resources/help/project.txt ${CMAKE_SOURCE_DIR}/resources/resource.h
    COMMENT "Writing project.hlp and help.html")
add_custom_command(
    OUTPUT ${TICKERDELL_GAME_DIR}/winhelp.hlp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TICKERDELL_GAME_DIR}
    COMMAND ${MAKE_HELP} ${CMAKE_SOURCE_DIR}/resources/help/winhelp.txt --hlp ${TICKERDELL_GAME_DIR}/winhelp.hlp
    DEPENDS ${HELP_WRITER} ${CMAKE_SOURCE_DIR}/resources/help/winhelp.txt
    COMMENT "Writing winhelp.hlp")
add_custom_target(help_files ALL DEPENDS ${TICKERDELL_GAME_DIR}/project.hlp ${TICKERDELL_GAME_DIR}/help.html
                                         ${TICKERDELL_GAME_DIR}/winhelp.hlp)
add_test(NAME help_files COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/help/HelpFileTest.py
                                 ${TICKERDELL_GAME_DIR} ${HELP_DATE})

if(TICKERDELL_WINDOWS_BUILD)
    include(cmake/Release.cmake)  # the zip holds the cross-built Tickerdell.exe
endif()
