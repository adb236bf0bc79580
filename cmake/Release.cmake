# The release a player downloads: Tickerdell-<version>-win64.zip, one folder holding the game, its market
# files, an empty THistory, the help files when they have been made, and a read-me.
#
# Included from the native build, this file adds the target `release` and the tests that unpack the zip
# and start the game from it under Wine. Run as a script (cmake -P) it packs or unpacks.

if(CMAKE_SCRIPT_MODE_FILE)
    # ---- script mode: ACTION is pack or unpack ----
    function(require_file path)
        if(NOT EXISTS "${path}")
            message(FATAL_ERROR "The release needs ${path}, which is missing")
        endif()
    endfunction()

    if(ACTION STREQUAL "pack")
        set(folder "${STAGE_DIR}/${RELEASE_NAME}")
        file(REMOVE_RECURSE "${STAGE_DIR}" "${ZIP_FILE}")
        file(MAKE_DIRECTORY "${folder}/SHistory" "${folder}/THistory")

        require_file("${GAME_DIR}/Tickerdell.exe")
        require_file("${GAME_DIR}/SHARES.NMS")
        require_file("${GAME_DIR}/SHistory/dates")
        file(COPY "${GAME_DIR}/Tickerdell.exe" "${GAME_DIR}/SHARES.NMS" DESTINATION "${folder}")
        # Only the market's own files: the game folder may hold a run's Trans.db or a test's leftovers.
        file(GLOB histories "${GAME_DIR}/SHistory/*.new")
        list(LENGTH histories historyCount)
        if(NOT historyCount EQUAL 50)
            message(FATAL_ERROR "Expected 50 price histories in ${GAME_DIR}/SHistory, found ${historyCount}")
        endif()
        file(COPY ${histories} "${GAME_DIR}/SHistory/dates" DESTINATION "${folder}/SHistory")
        foreach(help project.hlp winhelp.hlp help.html)
            if(EXISTS "${GAME_DIR}/${help}")
                file(COPY "${GAME_DIR}/${help}" DESTINATION "${folder}")
            endif()
        endforeach()
        # A player on Windows reads this in Notepad, so it gets Windows line ends.
        configure_file("${README_TEMPLATE}" "${folder}/README.txt" @ONLY NEWLINE_STYLE CRLF)

        execute_process(
            COMMAND "${CMAKE_COMMAND}" -E tar cf "${ZIP_FILE}" --format=zip "${RELEASE_NAME}"
            WORKING_DIRECTORY "${STAGE_DIR}"
            RESULT_VARIABLE packed)
        if(NOT packed EQUAL 0)
            message(FATAL_ERROR "Could not write ${ZIP_FILE}")
        endif()
        message(STATUS "Made ${ZIP_FILE}")
    elseif(ACTION STREQUAL "unpack")
        # As a player would: an empty folder, the zip unpacked into it, and nothing else.
        file(REMOVE_RECURSE "${UNPACK_DIR}")
        file(MAKE_DIRECTORY "${UNPACK_DIR}")
        execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${ZIP_FILE}" WORKING_DIRECTORY "${UNPACK_DIR}"
                        RESULT_VARIABLE unpacked)
        if(NOT unpacked EQUAL 0)
            message(FATAL_ERROR "Could not unpack ${ZIP_FILE}")
        endif()
        set(folder "${UNPACK_DIR}/${RELEASE_NAME}")
        foreach(part Tickerdell.exe SHARES.NMS SHistory/01.new SHistory/50.new SHistory/dates README.txt)
            require_file("${folder}/${part}")
        endforeach()
        if(NOT IS_DIRECTORY "${folder}/THistory")
            message(FATAL_ERROR "The zip has no THistory folder")
        endif()
        file(GLOB transactions "${folder}/THistory/*")
        if(transactions)
            message(FATAL_ERROR "The zip's THistory folder is not empty: ${transactions}")
        endif()
        file(READ "${folder}/README.txt" readme)
        string(FIND "${readme}" "Tickerdell ${VERSION}" versionAt)
        if(versionAt EQUAL -1)
            message(FATAL_ERROR "README.txt does not name version ${VERSION}")
        endif()
    else()
        message(FATAL_ERROR "Release.cmake: ACTION must be pack or unpack")
    endif()
    return()
endif()

# ---- included from the native build ----
if(NOT TICKERDELL_WINDOWS_BUILD)
    return()  # the zip holds the cross-built Tickerdell.exe
endif()

set(RELEASE_NAME Tickerdell-${PROJECT_VERSION}-win64)
set(RELEASE_ZIP ${CMAKE_BINARY_DIR}/${RELEASE_NAME}.zip)
set(RELEASE_CHECK_DIR ${CMAKE_BINARY_DIR}/release-check)
set(RELEASE_ARGS -DRELEASE_NAME=${RELEASE_NAME} -DVERSION=${PROJECT_VERSION} -DTICKERDELL_VERSION=${PROJECT_VERSION}
                 -DGAME_DIR=${TICKERDELL_GAME_DIR} -DREADME_TEMPLATE=${CMAKE_SOURCE_DIR}/tools/release-readme.txt)

# The release builds only what it ships: the game from the configured cross build, not its tests.
ExternalProject_Add_StepTargets(windows_build configure)
add_custom_target(release
    COMMAND ${CMAKE_COMMAND} --build ${WINDOWS_BUILD_DIR} --target Tickerdell
    COMMAND ${CMAKE_COMMAND} -DACTION=pack ${RELEASE_ARGS} -DZIP_FILE=${RELEASE_ZIP}
            -DSTAGE_DIR=${CMAKE_BINARY_DIR}/release -P ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Packing ${RELEASE_NAME}.zip"
    VERBATIM)
add_dependencies(release windows_build-configure market_data)
# The help files come from another part of this build, defined after this file is read: once the whole
# build is read, the zip waits for them when they are made here.
function(tickerdell_release_waits_for_help)
    if(TARGET help_files)
        add_dependencies(release help_files)
    endif()
endfunction()
cmake_language(DEFER CALL tickerdell_release_waits_for_help)

# The tests pack the built game as `release` does (into a zip of their own, so they never rebuild while
# other tests run), unpack it into an empty folder as a player would, and start the game from there: the
# shipped market must bring up the main screen, and Exit must end the game.
set(CHECK_ZIP ${RELEASE_CHECK_DIR}/${RELEASE_NAME}.zip)
set(CHECK_FOLDER ${RELEASE_CHECK_DIR}/unpacked/${RELEASE_NAME})
add_test(NAME release_zip_packs
    COMMAND ${CMAKE_COMMAND} -DACTION=pack ${RELEASE_ARGS} -DZIP_FILE=${CHECK_ZIP}
            -DSTAGE_DIR=${RELEASE_CHECK_DIR}/stage -P ${CMAKE_CURRENT_LIST_FILE})
add_test(NAME release_zip_unpacks
    COMMAND ${CMAKE_COMMAND} -DACTION=unpack ${RELEASE_ARGS} -DZIP_FILE=${CHECK_ZIP}
            -DUNPACK_DIR=${RELEASE_CHECK_DIR}/unpacked -P ${CMAKE_CURRENT_LIST_FILE})
set_tests_properties(release_zip_packs PROPERTIES FIXTURES_SETUP release_zip)
set_tests_properties(release_zip_unpacks PROPERTIES FIXTURES_REQUIRED release_zip FIXTURES_SETUP release_folder)
add_test(NAME wine_release_zip_plays
    COMMAND bash ${RUN_UNDER_WINE} --prefix ${WINE_PREFIX_DIR} --screen 800x600 --
            ${WINDOWS_BUILD_DIR}/gui_tests.exe --game=${CHECK_FOLDER}/Tickerdell.exe
            --gtest_filter=GameProcess.TheShippedMarketStartsTheGameAndExitWithYesEndsItWithCodeZero
    WORKING_DIRECTORY ${CHECK_FOLDER})
set_tests_properties(wine_release_zip_plays PROPERTIES FIXTURES_REQUIRED "wine;release_folder"
                                                       RESOURCE_LOCK wine TIMEOUT 300)
