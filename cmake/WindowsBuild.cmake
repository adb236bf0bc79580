# The cross build: the game, and the test programs that run under Wine.
enable_language(RC)

add_library(tickerdell_win32 STATIC
    runtime/BitmapDisplay.cpp
    runtime/ClassicUnits.cpp
    runtime/ControlFonts.cpp
    runtime/DialogHost.cpp
    runtime/EditFilters.cpp
    runtime/MessageBoxes.cpp
    shell/Dispatch.cpp
    shell/MainScreen.cpp
    shell/MainWindow.cpp
    shell/RingBrokerScreen.cpp
    shell/ShellState.cpp
    shell/Startup.cpp
    trading/BuyScreen.cpp
    trading/OrderPrompts.cpp
    trading/PairedFields.cpp
    trading/PortfolioScreen.cpp
    trading/SellScreen.cpp
    views/ShareIndexScreen.cpp)
target_link_libraries(tickerdell_win32 PUBLIC tickerdell_core)
target_compile_definitions(tickerdell_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(tickerdell_win32 PUBLIC comctl32)

set(GAME_RESOURCES ${CMAKE_SOURCE_DIR}/resources/Tickerdell.rc)
file(GLOB GAME_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.h ${CMAKE_SOURCE_DIR}/resources/*.rc
     ${CMAKE_SOURCE_DIR}/resources/*.ico ${CMAKE_SOURCE_DIR}/resources/dialogs/*.rc
     ${CMAKE_SOURCE_DIR}/resources/bitmaps/*.bmp)
set_source_files_properties(${GAME_RESOURCES} PROPERTIES OBJECT_DEPENDS "${GAME_RESOURCE_INPUTS}")
# The script's includes and bitmap paths are relative to its own folder.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources")

# Built on Windows itself (not cross-compiled), the game folder gets its market files here too.
add_executable(marketgen tools/marketgen/marketgen.cpp tools/marketgen/MarketGenerator.cpp)
if(NOT CMAKE_CROSSCOMPILING)
    set(MARKET_STAMP ${TICKERDELL_GAME_DIR}/SHistory/dates)
    add_custom_command(OUTPUT ${MARKET_STAMP} COMMAND marketgen ${TICKERDELL_GAME_DIR} DEPENDS marketgen
                       COMMENT "Generating the market files in ${TICKERDELL_GAME_DIR}")
    add_custom_target(market_data ALL DEPENDS ${MARKET_STAMP})
endif()

add_executable(Tickerdell WIN32 shell/WinMain.cpp ${GAME_RESOURCES})
target_link_libraries(Tickerdell PRIVATE tickerdell_win32)
set_target_properties(Tickerdell PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TICKERDELL_GAME_DIR})

if(TICKERDELL_TESTS)
    # The GUI tests link the same game code and resources as the .exe and drive its real windows.
    add_executable(gui_tests
        tests/gui/BuyDialogTest.cpp
        tests/gui/BuyingTest.cpp
        tests/gui/GuiHarness.cpp
        tests/gui/GuiTestMain.cpp
        tests/gui/MainScreenTest.cpp
        tests/gui/MainWindowTest.cpp
        tests/gui/OrderPromptsTest.cpp
        tests/gui/PairedFieldsTest.cpp
        tests/gui/PortfolioScreenTest.cpp
        tests/gui/RuntimeTest.cpp
        tests/gui/RingBrokerTest.cpp
        tests/gui/SellDialogTest.cpp
        tests/gui/ShareIndexScreenTest.cpp
        tests/gui/GameProcessTest.cpp
        tests/gui/TestDialogs.rc
        ${GAME_RESOURCES})
    target_link_libraries(gui_tests PRIVATE tickerdell_win32 GTest::gtest)
endif()
