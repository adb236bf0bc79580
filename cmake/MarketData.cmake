# The market files beside the game, written by marketgen from its fixed seed. Read by whichever build
# runs on the machine that builds (the native build on Debian, the Windows build on Windows), so the
# rule is the same in both.
add_executable(marketgen tools/marketgen/marketgen.cpp tools/marketgen/MarketGenerator.cpp)

# Every file marketgen writes is named, so that any one of them deleted or spoilt is written again.
set(MARKET_NAMES_FILE ${TICKERDELL_GAME_DIR}/SHARES.NMS)
set(MARKET_HISTORY_FILES)
foreach(share RANGE 1 50)
    string(LENGTH "${share}" digits)
    if(digits EQUAL 1)
        set(share 0${share})
    endif()
    list(APPEND MARKET_HISTORY_FILES ${TICKERDELL_GAME_DIR}/SHistory/${share}.new)
endforeach()
list(APPEND MARKET_HISTORY_FILES ${TICKERDELL_GAME_DIR}/SHistory/dates)

add_custom_command(
    OUTPUT ${MARKET_NAMES_FILE} ${MARKET_HISTORY_FILES}
    COMMAND marketgen ${TICKERDELL_GAME_DIR}
    DEPENDS marketgen
    COMMENT "Generating the market files in ${TICKERDELL_GAME_DIR}")
add_custom_target(market_data ALL DEPENDS ${MARKET_NAMES_FILE} ${MARKET_HISTORY_FILES})
