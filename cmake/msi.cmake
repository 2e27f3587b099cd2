# Makes the Windows Installer package OUT from the files in STAGE with wixl
# (Debian's msitools) and packaging/msi/velloric.wxs:
#   cmake -DSOURCE_DIR=... -DSTAGE=... -DOUT=.../velloric-0.99f-win64.msi
#         -DVERSION=0.99.6 -DVERSION_TEXT=0.99f -P msi.cmake
# Run by cmake/release.cmake, and by the install tests with a higher VERSION
# for the upgrade. Every file of STAGE goes to Program Files\Velloric, in the
# same folders.
cmake_minimum_required(VERSION 3.20)

# Must match the UpgradeCode of velloric.wxs: the product code of each
# version and the component GUIDs are made from it, so that the same version
# always gets the same product code and the same file the same component.
set(UPGRADE_CODE 708FE8E5-FF3A-4081-8A97-0B9BD10C19C5)

find_program(WIXL wixl)
if(NOT WIXL)
    message(FATAL_ERROR "wixl not found: run sh scripts/setup.sh (package wixl)")
endif()

string(UUID PRODUCT_CODE NAMESPACE ${UPGRADE_CODE} NAME "product ${VERSION}" TYPE SHA1 UPPER)
get_filename_component(OUT_DIR ${OUT} DIRECTORY)
set(WORK ${OUT}.wix)
file(REMOVE_RECURSE ${WORK} ${OUT})
file(MAKE_DIRECTORY ${WORK})

# wixl takes no absolute paths: every source is named from WORK, where the
# descriptor is copied.
file(COPY ${SOURCE_DIR}/packaging/msi/velloric.wxs ${SOURCE_DIR}/res/velloric.ico DESTINATION ${WORK})
file(RELATIVE_PATH STAGE_FROM_WORK ${WORK} ${STAGE})

# files.wxi: one component per staged file, folders nested as in STAGE;
# components.wxi: the feature's references to them.
function(identifier out prefix text)
    string(MAKE_C_IDENTIFIER "${text}" id)
    string(MD5 hash "${text}")
    string(SUBSTRING "${id}" 0 50 id)
    string(SUBSTRING "${hash}" 0 8 hash)
    set(${out} "${prefix}${id}_${hash}" PARENT_SCOPE)
endfunction()

set(COMPONENT_IDS "")
set(SIZE 0)
function(write_folder relative indent)
    file(GLOB entries RELATIVE ${STAGE}/${relative} ${STAGE}/${relative}*)
    list(SORT entries)
    set(text "")
    foreach(entry ${entries})
        if(IS_DIRECTORY ${STAGE}/${relative}${entry})
            identifier(dir_id D_ "${relative}${entry}")
            string(APPEND text "${indent}<Directory Id=\"${dir_id}\" Name=\"${entry}\">\n")
            write_folder("${relative}${entry}/" "${indent}  ")
            string(APPEND text "${FOLDER_TEXT}${indent}</Directory>\n")
        else()
            identifier(id C_ "${relative}${entry}")
            string(UUID guid NAMESPACE ${UPGRADE_CODE} NAME "file ${relative}${entry}" TYPE SHA1 UPPER)
            string(APPEND text
                "${indent}<Component Id=\"${id}\" Guid=\"${guid}\" Win64=\"yes\">\n"
                "${indent}  <File Id=\"${id}\" Name=\"${entry}\" Source=\"${STAGE_FROM_WORK}/${relative}${entry}\" KeyPath=\"yes\" />\n"
                "${indent}</Component>\n")
            list(APPEND COMPONENT_IDS ${id})
            file(SIZE ${STAGE}/${relative}${entry} bytes)
            math(EXPR SIZE "${SIZE} + ${bytes}")
        endif()
    endforeach()
    set(FOLDER_TEXT "${text}" PARENT_SCOPE)
    set(COMPONENT_IDS ${COMPONENT_IDS} PARENT_SCOPE)
    set(SIZE ${SIZE} PARENT_SCOPE)
endfunction()
write_folder("" "    ")
math(EXPR SIZE_KB "(${SIZE} + 1023) / 1024")
set(refs "")
foreach(id ${COMPONENT_IDS})
    string(APPEND refs "      <ComponentRef Id=\"${id}\" />\n")
endforeach()
file(WRITE ${WORK}/files.wxi "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Include>
  <DirectoryRef Id=\"INSTALLDIR\">
${FOLDER_TEXT}  </DirectoryRef>
</Include>
")
file(WRITE ${WORK}/components.wxi "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Include>
${refs}</Include>
")

execute_process(COMMAND ${WIXL} -a x64 -o ${OUT}
        -D Version=${VERSION} -D VersionText=${VERSION_TEXT} -D ProductCode={${PRODUCT_CODE}}
        -D IconFile=velloric.ico -D SizeKB=${SIZE_KB} velloric.wxs
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "wixl could not make ${OUT}")
endif()
file(REMOVE_RECURSE ${WORK})
# The product code, for the winget manifest and the tests.
file(WRITE ${OUT}.productcode "{${PRODUCT_CODE}}\n")
