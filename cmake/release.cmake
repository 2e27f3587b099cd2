# Makes the release: NAME.zip in OUT_DIR with the program, the command-line
# tool, the tips, both manuals with their pictures, a README and the licence,
# and NAME.zip.sha256 beside it. Run by the "release" target:
#   cmake -DSOURCE_DIR=... -DBIN_DIR=... -DOUT_DIR=... -DNAME=... -DVERSION=... -P release.cmake
# Script mode sets no policies; without this "@VERSION@" below warns.
cmake_minimum_required(VERSION 3.20)

set(STAGE ${OUT_DIR}/${NAME})
file(REMOVE_RECURSE ${STAGE} ${OUT_DIR}/${NAME}.zip ${OUT_DIR}/${NAME}.zip.sha256)
file(MAKE_DIRECTORY ${STAGE})

file(COPY ${BIN_DIR}/velloric.exe ${BIN_DIR}/velloric-cli.exe ${SOURCE_DIR}/res/tips.txt
     DESTINATION ${STAGE})
# The manuals with their stylesheet and pictures, as they lie beside the program.
file(COPY ${SOURCE_DIR}/res/manual/ DESTINATION ${STAGE})

# Text files for Windows users: CR LF line ends.
function(copy_as_windows_text source destination)
    file(READ ${source} text)
    string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${destination} "${text}")
endfunction()
copy_as_windows_text(${SOURCE_DIR}/res/release/README.txt ${STAGE}/README.txt)
copy_as_windows_text(${SOURCE_DIR}/LICENSE ${STAGE}/LICENSE.txt)

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${NAME}.zip --format=zip ${NAME}
                WORKING_DIRECTORY ${OUT_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not make ${NAME}.zip")
endif()
file(SHA256 ${OUT_DIR}/${NAME}.zip hash)
# The form sha256sum -c reads.
file(WRITE ${OUT_DIR}/${NAME}.zip.sha256 "${hash}  ${NAME}.zip\n")
message(STATUS "Release: ${OUT_DIR}/${NAME}.zip")
