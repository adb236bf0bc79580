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

# One private Wine prefix for the whole build, made once and reused.
add_test(NAME wine_prefix COMMAND bash ${CMAKE_SOURCE_DIR}/tools/wine-prefix.sh ${WINE_PREFIX_DIR})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine RESOURCE_LOCK wine)

# Each Wine test gets its own virtual screen of the size given, in the game folder.
function(add_wine_test name screen program)
    add_test(NAME ${name}
        COMMAND bash ${RUN_UNDER_WINE} --prefix ${WINE_PREFIX_DIR} --screen ${screen} -- ${program} ${ARGN}
        WORKING_DIRECTORY ${TICKERDELL_GAME_DIR})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine TIMEOUT 300)
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
