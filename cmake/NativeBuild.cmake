# The native build: market data, the core tests, the benchmark, and the cross build run by Wine.
add_executable(marketgen tools/marketgen/marketgen.cpp tools/marketgen/MarketGenerator.cpp)

set(MARKET_STAMP ${TICKERDELL_GAME_DIR}/SHistory/dates)
add_custom_command(
    OUTPUT ${MARKET_STAMP}
    COMMAND marketgen ${TICKERDELL_GAME_DIR}
    DEPENDS marketgen
    COMMENT "Generating the market files in ${TICKERDELL_GAME_DIR}")
add_custom_target(market_data ALL DEPENDS ${MARKET_STAMP})

add_executable(data_tests tests/data/MarketDataTest.cpp tests/data/BitmapFilesTest.cpp tools/marketgen/MarketGenerator.cpp)
target_include_directories(data_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(data_tests PRIVATE TICKERDELL_GAME_DIR="${TICKERDELL_GAME_DIR}"
                                              TICKERDELL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(data_tests PRIVATE GTest::gtest_main)
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
