# The game folder as a player gets it: install() rules lay it out in any folder (cmake --install BUILD
# --prefix FOLDER), and CPack packs the same layout as the release, Tickerdell-<version>-win64.zip.
# Read by the build that has the whole folder: the native build on Debian, which takes Tickerdell.exe from
# its cross build, or the Windows build on Windows.

# The game writes its transaction history into its own folder, so it cannot live where the platform's
# default would put it (Program Files, /usr/local): unless told otherwise, it goes into the build.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX ${CMAKE_BINARY_DIR}/install CACHE PATH "Folder the game is installed into" FORCE)
endif()

if(TARGET Tickerdell)
    install(TARGETS Tickerdell RUNTIME DESTINATION .)
    set(HELP_ON_HAND OPTIONAL)  # written by the Debian build, or by hand with tools/helpfile/makehelp.py
else()
    install(PROGRAMS ${TICKERDELL_GAME_DIR}/Tickerdell.exe DESTINATION .)
    set(HELP_ON_HAND)
endif()
install(FILES ${MARKET_NAMES_FILE} DESTINATION .)
install(FILES ${MARKET_HISTORY_FILES} DESTINATION SHistory)
install(DIRECTORY DESTINATION THistory)
install(FILES ${TICKERDELL_GAME_DIR}/project.hlp ${TICKERDELL_GAME_DIR}/winhelp.hlp
              ${TICKERDELL_GAME_DIR}/help.html DESTINATION . ${HELP_ON_HAND})
# A player on Windows reads the read-me in Notepad, so it gets Windows line ends.
set(TICKERDELL_VERSION ${PROJECT_VERSION})
configure_file(${CMAKE_SOURCE_DIR}/tools/release-readme.txt ${CMAKE_BINARY_DIR}/generated/README.txt @ONLY
               NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/generated/README.txt DESTINATION .)

# Installing and packing take the game folder as the build left it and never start a build themselves:
# the release test packs while other tests run the built programs. Build the folder first (the `game`
# target below, or everything).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(RELEASE_NAME Tickerdell-${PROJECT_VERSION}-win64)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tickerdell)
set(CPACK_PACKAGE_VENDOR "Dellwood Pixel Works")
set(CPACK_PACKAGE_FILE_NAME ${RELEASE_NAME})  # and the one folder the zip holds
set(CPACK_SOURCE_GENERATOR "")
include(CPack)

if(TARGET Tickerdell)
    return()  # built on Windows: the folder comes from this build's own targets
endif()

# Only what the game folder holds: the game from the configured cross build (not its tests), the market
# files and the help. `cmake --build build --target game` and then `cpack` in build make the release.
ExternalProject_Add_StepTargets(windows_build configure)
add_custom_target(game
    COMMAND ${CMAKE_COMMAND} --build ${WINDOWS_BUILD_DIR} --target Tickerdell
    COMMENT "Building Tickerdell.exe"
    VERBATIM)
add_dependencies(game windows_build-configure market_data help_files)

# The release as a player gets it: packed by CPack from the built game folder into a folder of this run's
# own, unpacked into an empty folder, its contents checked, and the game started from there under Wine:
# the shipped market must bring up the main screen, and Exit must end the game.
add_test(NAME wine_release_zip_plays
    COMMAND ${CMAKE_COMMAND} -DCPACK_CONFIG=${CMAKE_BINARY_DIR}/CPackConfig.cmake -DRELEASE_NAME=${RELEASE_NAME}
            -DVERSION=${PROJECT_VERSION} -DCHECK_DIR=${CMAKE_BINARY_DIR}/release-check
            "-DPLAY=bash;${RUN_UNDER_WINE};--prefix;${WINE_PREFIX_DIR};--screen;800x600;--;${WINDOWS_BUILD_DIR}/gui_tests.exe;--gtest_filter=GameProcess.TheShippedMarketStartsTheGameAndExitWithYesEndsItWithCodeZero"
            -P ${CMAKE_SOURCE_DIR}/cmake/CheckRelease.cmake)
set_tests_properties(wine_release_zip_plays PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
