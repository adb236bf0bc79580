# Builds the Windows side with the mingw-w64 toolchain and registers the tests that run it under Wine.
include(ExternalProject)

set(WINDOWS_BUILD_DIR ${CMAKE_BINARY_DIR}/windows)
set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix)
set(RUN_UNDER_WINE ${CMAKE_SOURCE_DIR}/tools/run-under-wine.sh)

ExternalProject_Add(windows_build
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${WINDOWS_BUILD_DIR}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
        -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
        -DTICKERDELL_GAME_DIR=${TICKERDELL_GAME_DIR}
        -DGOOGLETEST_SOURCE_DIR=${GOOGLETEST_SOURCE_DIR}
    BUILD_ALWAYS ON
    INSTALL_COMMAND "")
add_dependencies(windows_build market_data)

# The Wine prefix template, made once; every Wine test runs in a copy of its own (tools/run-under-wine.sh)
# with its own Wine server, virtual screen and game folder, so they run side by side.
add_test(NAME wine_prefix COMMAND bash ${CMAKE_SOURCE_DIR}/tools/wine-prefix.sh ${WINE_PREFIX_DIR})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)

# Runs the program under Wine on a virtual screen of the size given, in a copy of the game folder.
function(add_wine_test name screen program)
    add_test(NAME ${name}
        COMMAND bash ${RUN_UNDER_WINE} --prefix ${WINE_PREFIX_DIR} --screen ${screen}
                --game-folder ${TICKERDELL_GAME_DIR} -- ${program} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
endfunction()

add_wine_test(wine_core_tests 800x600 ${WINDOWS_BUILD_DIR}/core_tests.exe)

# One entry per GUI suite, so that a failure names its screen.
set(GUI_SUITES MainWindow MainScreen BuyDialog SellDialog Portfolio ShareIndex RingBroker PlayerFaults
    GameProcess InfoScreens Forms Valuation Statement GraphScreen ContextHelp HelpViewer)
foreach(suite IN LISTS GUI_SUITES)
    add_wine_test(wine_gui_${suite} 800x600 ${WINDOWS_BUILD_DIR}/gui_tests.exe --gtest_filter=${suite}.*
        --game=${TICKERDELL_GAME_DIR}/Tickerdell.exe)
endforeach()
# Any suite not named above still runs, under this entry.
list(JOIN GUI_SUITES ".*:" listed_suites)
add_wine_test(wine_gui_other_suites 800x600 ${WINDOWS_BUILD_DIR}/gui_tests.exe
    --gtest_filter=-${listed_suites}.*)
add_wine_test(wine_gui_placement_640x480 640x480 ${WINDOWS_BUILD_DIR}/gui_tests.exe
    --gtest_filter=MainWindow.*Placement*)
add_wine_test(wine_gui_placement_1024x768 1024x768 ${WINDOWS_BUILD_DIR}/gui_tests.exe
    --gtest_filter=MainWindow.*Placement*)

# A run that ends, and ends its Wine server, while another is still going leaves the other running.
add_test(NAME wine_runs_apart
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/wine/runs-apart.sh ${RUN_UNDER_WINE} ${WINE_PREFIX_DIR})
set_tests_properties(wine_runs_apart PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
# A test program that dies still shows what it had printed. It needs no game folder, and its own end
# with an error code is no failure to keep one for.
add_test(NAME wine_gui_output_survives_its_end
    COMMAND bash ${RUN_UNDER_WINE} --prefix ${WINE_PREFIX_DIR} -- ${WINDOWS_BUILD_DIR}/gui_tests.exe
            --gtest_also_run_disabled_tests --gtest_filter=TestProgram.DISABLED_ShowsWhatItPrintedWhenItDies)
set_tests_properties(wine_gui_output_survives_its_end PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300
                     PASS_REGULAR_EXPRESSION "printed just before the end")
# A round played by keyboard alone under a window manager, in a prefix where the manager frames the
# game's windows: the script copies the prefix and the game folder and runs its own virtual screen.
set(WINE_MANAGED_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix-managed)
add_test(NAME wine_prefix_managed
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/wine-prefix.sh ${WINE_MANAGED_PREFIX_DIR} --managed)
set_tests_properties(wine_prefix_managed PROPERTIES FIXTURES_SETUP wine_managed)
add_test(NAME wine_keyboard_loop_openbox
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/gui/keyboard-loop.sh --game ${TICKERDELL_GAME_DIR}
        --prefix ${WINE_MANAGED_PREFIX_DIR} --wm openbox)
set_tests_properties(wine_keyboard_loop_openbox PROPERTIES FIXTURES_REQUIRED wine_managed TIMEOUT 300)
