# The cross build: the game, and the test programs that run under Wine.
enable_language(RC)

# Every build of the same sources gives the same bytes: the linker would otherwise stamp the time of the
# link into each program's header.
add_link_options(-Wl,--no-insert-timestamp)

add_library(tickerdell_win32 STATIC
    runtime/win32/BitmapDisplay.cpp
    runtime/win32/ClassicUnits.cpp
    runtime/win32/ContextHelp.cpp
    runtime/win32/ControlFonts.cpp
    runtime/win32/DialogHost.cpp
    runtime/win32/EditFilters.cpp
    runtime/win32/ListHeadings.cpp
    runtime/win32/MessageBoxes.cpp
    runtime/win32/Screen.cpp
    runtime/win32/SumRule.cpp
    runtime/win32/ThreeDButtons.cpp
    runtime/win32/WindowState.cpp
    shell/win32/Dispatch.cpp
    shell/win32/InfoScreens.cpp
    shell/win32/MainScreen.cpp
    shell/win32/MainWindow.cpp
    shell/win32/RingBrokerScreen.cpp
    shell/win32/SettingsForms.cpp
    shell/win32/ShellState.cpp
    shell/win32/Startup.cpp
    trading/win32/BuyScreen.cpp
    trading/win32/OrderPrompts.cpp
    trading/win32/PairedFields.cpp
    trading/win32/PortfolioScreen.cpp
    trading/win32/PortfolioSelectScreen.cpp
    trading/win32/SellScreen.cpp
    views/win32/NewsScreen.cpp
    views/win32/PictureScreen.cpp
    views/win32/GraphOptionsScreen.cpp
    views/win32/GraphPainting.cpp
    views/win32/GraphScreen.cpp
    views/win32/ShareIndexScreen.cpp
    views/win32/StatementScreen.cpp
    views/win32/ValuationScreen.cpp)
target_link_libraries(tickerdell_win32 PUBLIC tickerdell_core)
target_compile_definitions(tickerdell_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(tickerdell_win32 PUBLIC comctl32 shell32)

set(GAME_RESOURCES ${CMAKE_SOURCE_DIR}/resources/Tickerdell.rc)
file(GLOB GAME_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.h ${CMAKE_SOURCE_DIR}/resources/*.rc
     ${CMAKE_SOURCE_DIR}/resources/*.ico ${CMAKE_SOURCE_DIR}/resources/dialogs/*.rc
     ${CMAKE_SOURCE_DIR}/resources/bitmaps/*.bmp)
set_source_files_properties(${GAME_RESOURCES} PROPERTIES OBJECT_DEPENDS "${GAME_RESOURCE_INPUTS}")
# The script's includes and bitmap paths are relative to its own folder.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources")
# The version resource takes the project's version from a header written here, which windres reads
# without the quoting trouble of string defines on its command line.
set(VERSION_HEADER_DIR ${CMAKE_BINARY_DIR}/generated)
file(CONFIGURE OUTPUT ${VERSION_HEADER_DIR}/TickerdellVersion.h @ONLY CONTENT
"/* Made by the build from project(VERSION); do not edit. */
#define TICKERDELL_VERSION_NUMBERS @PROJECT_VERSION_MAJOR@,@PROJECT_VERSION_MINOR@,@PROJECT_VERSION_PATCH@,0
#define TICKERDELL_VERSION_TEXT \"@PROJECT_VERSION@\"
#define TICKERDELL_VERSION_LABEL \"Version @PROJECT_VERSION@\"
")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${VERSION_HEADER_DIR}")
set_property(SOURCE ${GAME_RESOURCES} APPEND PROPERTY OBJECT_DEPENDS ${VERSION_HEADER_DIR}/TickerdellVersion.h)

# Built on Windows itself (not cross-compiled), the game folder gets its market files here too; cross
# compiled, the native build that runs this one writes them.
if(NOT CMAKE_CROSSCOMPILING)
    include(cmake/MarketData.cmake)
endif()

add_executable(Tickerdell WIN32 shell/win32/WinMain.cpp ${GAME_RESOURCES})
target_link_libraries(Tickerdell PRIVATE tickerdell_win32)
set_target_properties(Tickerdell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TICKERDELL_GAME_DIR})
if(NOT CMAKE_CROSSCOMPILING)
    include(cmake/Release.cmake)  # cmake --install and cpack on Windows; cross compiled, the native build packs
endif()

# A timing program, not a test: the price graph's paint against a plain copy of its background picture.
# Run it by hand under Wine in the game folder.
if(TICKERDELL_TESTS)
    add_executable(graph_paint_bench bench/GraphPaintBench.cpp ${GAME_RESOURCES})
    target_link_libraries(graph_paint_bench PRIVATE tickerdell_win32)
endif()

if(TICKERDELL_TESTS)
    # The GUI tests link the same game code and resources as the .exe and drive its real windows.
    add_executable(gui_tests
        tests/gui/OrderDialogsTest.cpp
        tests/gui/GraphValuationStatementTest.cpp
        tests/gui/GuiHarness.cpp
        tests/gui/InfoScreensTest.cpp
        tests/gui/MainScreenTest.cpp
        tests/gui/ContextHelpTest.cpp
        tests/gui/PlayerFaultsTest.cpp
        tests/gui/PortfolioScreenTest.cpp
        tests/gui/GameProcessTest.cpp
        tests/gui/TestDialogs.rc
        ${GAME_RESOURCES})
    target_link_libraries(gui_tests PRIVATE tickerdell_win32 GTest::gtest)
    # windres does not see the files the test resources take in whole, so editing one rebuilds them.
    set(recorded screens buttons help portfolio valuation buy orders shareindex)
    list(TRANSFORM recorded REPLACE "(.+)" "${CMAKE_SOURCE_DIR}/tests/gui/\\1.expected")
    set_source_files_properties(tests/gui/TestDialogs.rc PROPERTIES OBJECT_DEPENDS "${recorded}")
endif()
