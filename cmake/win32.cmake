# velloric.exe, the Win32 layer and the Win32 test suite that runs under Wine.
enable_language(RC)
if(MINGW)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# Resources go into the exes through an OBJECT library: inside a static
# library the linker would drop them.
add_library(velloric_res OBJECT res/velloric.rc)
# windres records no dependencies of its own: everything the script pulls in.
file(GLOB VELLORIC_RES_INPUTS CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/res/*.h ${CMAKE_SOURCE_DIR}/res/*.rc2 ${CMAKE_SOURCE_DIR}/res/*.ico
    ${CMAKE_SOURCE_DIR}/res/*.bmp ${CMAKE_SOURCE_DIR}/res/*.cur ${CMAKE_SOURCE_DIR}/res/*.wav)
set_source_files_properties(res/velloric.rc PROPERTIES OBJECT_DEPENDS "${VELLORIC_RES_INPUTS}")
target_include_directories(velloric_res PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)

file(GLOB VELLORIC_WIN32_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp
    ${CMAKE_SOURCE_DIR}/framework/win32/*.cpp
    ${CMAKE_SOURCE_DIR}/app/win32/*.cpp
    ${CMAKE_SOURCE_DIR}/view/win32/*.cpp
    ${CMAKE_SOURCE_DIR}/dialogs/win32/*.cpp)
list(REMOVE_ITEM VELLORIC_WIN32_SOURCES ${CMAKE_SOURCE_DIR}/app/win32/main.cpp)
add_library(velloric_win32 STATIC ${VELLORIC_WIN32_SOURCES})
target_link_libraries(velloric_win32 PUBLIC velloric_core
    user32 gdi32 comctl32 comdlg32 shell32 winmm advapi32 oleacc oleaut32 ole32)

add_executable(velloric WIN32 app/win32/main.cpp $<TARGET_OBJECTS:velloric_res>)
target_link_libraries(velloric PRIVATE velloric_win32)
# The program's manifest (res/velloric.manifest): elevation, supported
# systems, DPI awareness, common controls 6; the console program's
# (res/velloric_cli.manifest): no elevation. MSVC's linker embeds the file itself.
function(velloric_add_manifest target name)
    if(MSVC)
        target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/res/${name}.manifest)
        target_link_options(${target} PRIVATE /MANIFESTUAC:NO)
    else()
        target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/res/${name}_manifest.rc)
        target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    endif()
endfunction()
set_source_files_properties(res/velloric_manifest.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/res/velloric.manifest)
set_source_files_properties(res/velloric_cli_manifest.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/res/velloric_cli.manifest)
velloric_add_manifest(velloric velloric)
# The tip of the day reads tips.txt beside the program.
configure_file(res/tips.txt ${CMAKE_CURRENT_BINARY_DIR}/tips.txt COPYONLY)
# The manuals go beside the program, where F1 looks for them first, with
# their stylesheet and pictures.
add_custom_command(TARGET velloric POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/res/manual $<TARGET_FILE_DIR:velloric>)

file(GLOB VELLORIC_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(win32_tests ${VELLORIC_WIN32_TESTS} $<TARGET_OBJECTS:velloric_res>)
target_link_libraries(win32_tests PRIVATE velloric_win32 velloric_test_support gtest_main)
add_dependencies(win32_tests velloric)

# velloric-cli.exe, the console program beside velloric.exe: its entry
# (cli/win32/) on its portable half in the core, linked like the program,
# with resources of its own: the version record and the lost-key strings.
add_library(velloric_cli_res OBJECT res/velloric_cli.rc)
set_source_files_properties(res/velloric_cli.rc PROPERTIES OBJECT_DEPENDS "${VELLORIC_RES_INPUTS}")
target_include_directories(velloric_cli_res PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
file(GLOB VELLORIC_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cli/win32/*.cpp)
add_executable(velloric-cli ${VELLORIC_CLI_SOURCES} $<TARGET_OBJECTS:velloric_cli_res>)
target_link_libraries(velloric-cli PRIVATE velloric_win32)
velloric_add_manifest(velloric-cli velloric_cli)
# The Win32 suite starts it from beside its own exe.
add_dependencies(win32_tests velloric-cli)

# The release a user downloads: cmake --build --preset mingw --target release
# makes build/mingw/release/velloric-<version>-win64.zip and .msi, each with
# its .sha256, and the winget manifests of the MSI in release/winget/.
set(VELLORIC_RELEASE_NAME velloric-${VELLORIC_VERSION_TEXT}-win64)
add_custom_target(release
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DBIN_DIR=$<TARGET_FILE_DIR:velloric>
        -DOUT_DIR=${CMAKE_BINARY_DIR}/release -DNAME=${VELLORIC_RELEASE_NAME}
        -DVERSION=${VELLORIC_VERSION_TEXT} -DMSI_VERSION=${PROJECT_VERSION}
        -DDOWNLOAD_URL=${VELLORIC_DOWNLOAD_URL} -P ${CMAKE_SOURCE_DIR}/cmake/release.cmake
    DEPENDS velloric velloric-cli
    COMMENT "Making ${VELLORIC_RELEASE_NAME}.zip, .msi and the winget manifests"
    VERBATIM)

if(NOT CMAKE_CROSSCOMPILING)
    # The suite changes the registry it runs against: on Windows itself it is
    # built but not run (it refuses outside Wine anyway).
    return()
endif()

# One throw-away prefix and one persistent wineserver for the whole run.
set(VELLORIC_TEST_PREFIX ${CMAKE_BINARY_DIR}/wineprefix-test)
set(VELLORIC_WINE_ENV WINEPREFIX=${VELLORIC_TEST_PREFIX} LC_ALL=)
add_test(NAME wine_prefix_start
    COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh start ${VELLORIC_TEST_PREFIX})
set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 240)
add_test(NAME wine_prefix_stop
    COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh stop ${VELLORIC_TEST_PREFIX})
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine)

# The English resource set under an English locale (code page 1252), the
# Japanese set under a Japanese one (code page 932), the neutral set under a
# Chinese one (code page 936, which the neutral set's texts survive).
add_test(NAME win32_tests COMMAND win32_tests --gtest_filter=-*Japanese*:*Neutral*)
set_tests_properties(win32_tests PROPERTIES FIXTURES_REQUIRED wine
    ENVIRONMENT "${VELLORIC_WINE_ENV};LANG=en_US.UTF-8" RESOURCE_LOCK velloric_instance TIMEOUT 1200)
add_test(NAME win32_tests_japanese COMMAND win32_tests --gtest_filter=*Japanese*)
set_tests_properties(win32_tests_japanese PROPERTIES FIXTURES_REQUIRED wine
    ENVIRONMENT "${VELLORIC_WINE_ENV};LANG=ja_JP.UTF-8" RESOURCE_LOCK velloric_instance TIMEOUT 1200)
add_test(NAME win32_tests_neutral COMMAND win32_tests --gtest_filter=*Neutral*)
set_tests_properties(win32_tests_neutral PROPERTIES FIXTURES_REQUIRED wine
    ENVIRONMENT "${VELLORIC_WINE_ENV};LANG=zh_CN.UTF-8" RESOURCE_LOCK velloric_instance TIMEOUT 1200)
# The window's layout at the screen's DPI once more, at 120, 144 and 192 DPI
# (96 is in the run above): only those tests, each DPI in a process of its own.
add_test(NAME win32_tests_dpi
    COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/wine-dpi-run.sh "120 144 192"
        $<TARGET_FILE:win32_tests> --gtest_filter=ScreenDpi.TheWindowIsWhole*)
set_tests_properties(win32_tests_dpi PROPERTIES FIXTURES_REQUIRED wine
    ENVIRONMENT "${VELLORIC_WINE_ENV};LANG=en_US.UTF-8" RESOURCE_LOCK velloric_instance TIMEOUT 300)

# ---- velloric_screenshots.exe: the manual's pictures ------------------------
# Built with everything else, so it keeps up with the code; run only by
# scripts/make-screenshots.sh under Wine: it starts the program in-process and
# saves its windows as bitmaps.
add_executable(velloric_screenshots
    tools/screenshots/main.cpp tools/screenshots/window_shot.cpp $<TARGET_OBJECTS:velloric_res>)
target_link_libraries(velloric_screenshots PRIVATE velloric_win32)
# The program's manifest as well: the pictures show its common controls.
velloric_add_manifest(velloric_screenshots velloric)
# ---- end of velloric_screenshots.exe ----------------------------------------

# ---- the repaint benchmark: built with everything else, run only when asked ----
# velloric_floor.exe draws the keyboard's caps with the bare GDI calls, in a
# plain window and in a frame of the main window's structure; velloric_bench.exe
# repaints the real view and main window and saves pictures of them.
# scripts/bench_repaint.py builds and runs both under Wine. Not a test.
add_executable(velloric_floor tools/bench/floor.cpp $<TARGET_OBJECTS:velloric_res>)
target_link_libraries(velloric_floor PRIVATE velloric_core comctl32)
velloric_add_manifest(velloric_floor velloric)
add_executable(velloric_bench
    tools/bench/bench.cpp tools/screenshots/window_shot.cpp $<TARGET_OBJECTS:velloric_res>)
target_link_libraries(velloric_bench PRIVATE velloric_win32)
velloric_add_manifest(velloric_bench velloric)
# ---- end of the repaint benchmark --------------------------------------------
