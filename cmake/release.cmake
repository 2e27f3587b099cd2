# Makes the release: NAME.zip in OUT_DIR with the program, the command-line
# tool, the tips, both manuals with their pictures, a README and the licence;
# NAME.msi, the Windows Installer package of the same files (cmake/msi.cmake);
# a .sha256 beside each; and the winget manifests of the MSI in OUT_DIR/winget,
# made from packaging/winget/. Run by the "release" target:
#   cmake -DSOURCE_DIR=... -DBIN_DIR=... -DOUT_DIR=... -DNAME=... -DVERSION=...
#         -DMSI_VERSION=... -DDOWNLOAD_URL=... -P release.cmake
# VERSION is the version as the program writes it ("0.99f"), MSI_VERSION the
# project's three numbers, DOWNLOAD_URL the folder the MSI is published in.
# Script mode sets no policies; without this "@VERSION@" below warns.
cmake_minimum_required(VERSION 3.20)

set(STAGE ${OUT_DIR}/${NAME})
file(REMOVE_RECURSE ${STAGE} ${OUT_DIR}/${NAME}.zip ${OUT_DIR}/${NAME}.zip.sha256
     ${OUT_DIR}/${NAME}.msi ${OUT_DIR}/${NAME}.msi.sha256 ${OUT_DIR}/winget)
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
# The form sha256sum -c reads.
function(write_sha256 file)
    file(SHA256 ${OUT_DIR}/${file} hash)
    file(WRITE ${OUT_DIR}/${file}.sha256 "${hash}  ${file}\n")
endfunction()
write_sha256(${NAME}.zip)
message(STATUS "Release: ${OUT_DIR}/${NAME}.zip")

execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR} -DSTAGE=${STAGE}
        -DOUT=${OUT_DIR}/${NAME}.msi -DVERSION=${MSI_VERSION} -DVERSION_TEXT=${VERSION}
        -P ${SOURCE_DIR}/cmake/msi.cmake
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Could not make ${NAME}.msi")
endif()
write_sha256(${NAME}.msi)
message(STATUS "Release: ${OUT_DIR}/${NAME}.msi")

# The winget manifests of this MSI: the version, its address, hash and
# product code filled in. They stay in the build: publishing is a manual step.
file(SHA256 ${OUT_DIR}/${NAME}.msi msi_hash)
string(TOUPPER ${msi_hash} msi_hash)
file(STRINGS ${OUT_DIR}/${NAME}.msi.productcode product_code LIMIT_COUNT 1)
file(REMOVE ${OUT_DIR}/${NAME}.msi.productcode)
file(GLOB manifests ${SOURCE_DIR}/packaging/winget/*.yaml)
foreach(manifest ${manifests})
    get_filename_component(file_name ${manifest} NAME)
    file(READ ${manifest} text)
    string(REPLACE "@VERSION@" "${MSI_VERSION}" text "${text}")
    string(REPLACE "@PRODUCT_CODE@" "${product_code}" text "${text}")
    string(REPLACE "@INSTALLER_URL@" "${DOWNLOAD_URL}/${NAME}.msi" text "${text}")
    string(REPLACE "@SHA256@" "${msi_hash}" text "${text}")
    # The schema comment names the published schema, as winget's own
    # manifests do, in place of the copy in packaging/winget/schema/.
    string(REGEX REPLACE "schema=schema/manifest\\.([A-Za-z]+)\\.([0-9.]+)\\.json"
        "schema=https://aka.ms/winget-manifest.\\1.\\2.schema.json" text "${text}")
    file(WRITE ${OUT_DIR}/winget/${file_name} "${text}")
endforeach()
message(STATUS "Release: ${OUT_DIR}/winget")
