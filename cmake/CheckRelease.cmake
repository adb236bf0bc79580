# The release as a player gets it. Packs the built game with CPack into a folder of this run's own (so
# two runs never share a zip), unpacks the zip into an empty folder, checks that it holds the game folder
# and nothing else, and runs PLAY there with --game=<the unpacked Tickerdell.exe> added.
#
#   cmake -DCPACK_CONFIG=<build>/CPackConfig.cmake -DRELEASE_NAME=Tickerdell-<version>-win64
#         -DVERSION=<version> -DCHECK_DIR=<folder> -DPLAY=<command;args> -P CheckRelease.cmake

function(fail message)
    message(FATAL_ERROR "${message} (left in ${work} to look at)")
endfunction()

string(RANDOM LENGTH 10 run)
set(work ${CHECK_DIR}/${run})
file(MAKE_DIRECTORY ${work}/unpacked)

execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${CPACK_CONFIG} -B ${work} RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
    fail("cpack could not make ${RELEASE_NAME}.zip")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${work}/${RELEASE_NAME}.zip WORKING_DIRECTORY ${work}/unpacked
                RESULT_VARIABLE unpacked)
if(NOT unpacked EQUAL 0)
    fail("Could not unpack ${RELEASE_NAME}.zip")
endif()

# One folder named for the release, holding the game folder: no run's Trans.db, no test's leftovers.
set(expected README.txt SHARES.NMS SHistory SHistory/dates THistory Tickerdell.exe help.html project.hlp
    winhelp.hlp)
foreach(share RANGE 1 50)
    if(share LESS 10)
        set(share 0${share})
    endif()
    list(APPEND expected SHistory/${share}.new)
endforeach()
list(TRANSFORM expected PREPEND ${RELEASE_NAME}/)
list(APPEND expected ${RELEASE_NAME})
file(GLOB_RECURSE held LIST_DIRECTORIES true RELATIVE ${work}/unpacked ${work}/unpacked/*)
if(NOT held)
    fail("${RELEASE_NAME}.zip is empty")
endif()
set(missing ${expected})
list(REMOVE_ITEM missing ${held})
set(extra ${held})
list(REMOVE_ITEM extra ${expected})
if(missing OR extra)
    fail("The zip does not hold the game folder: missing ${missing}; not wanted ${extra}")
endif()

set(folder ${work}/unpacked/${RELEASE_NAME})
# Read as bytes: a text read drops the carriage returns that Notepad needs.
string(HEX "Tickerdell ${VERSION} - the share-dealing game\r\n" wanted)
string(LENGTH "${wanted}" wantedLength)
math(EXPR wantedBytes "${wantedLength} / 2")
file(READ ${folder}/README.txt opening LIMIT ${wantedBytes} HEX)
if(NOT opening STREQUAL wanted)
    fail("README.txt does not open with version ${VERSION} and Windows line ends")
endif()

execute_process(COMMAND ${PLAY} --game=${folder}/Tickerdell.exe WORKING_DIRECTORY ${folder} RESULT_VARIABLE played)
if(NOT played EQUAL 0)
    fail("The game did not play from the unpacked release")
endif()
file(REMOVE_RECURSE ${work})
