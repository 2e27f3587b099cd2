# The second compiler: clang for the same 64-bit Windows target, with the
# MinGW-w64 headers, libraries and C++ library. Code that only one of the two
# compilers accepts is caught here before a Windows build with MSVC finds it.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
# clang finds the MinGW C headers but not GCC's C++ library for the target:
# the newest MinGW GCC's.
file(GLOB VELLORIC_MINGW_GCC LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
list(SORT VELLORIC_MINGW_GCC COMPARE NATURAL ORDER DESCENDING)
list(GET VELLORIC_MINGW_GCC 0 VELLORIC_MINGW_GCC)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${VELLORIC_MINGW_GCC}/include/c++ -isystem ${VELLORIC_MINGW_GCC}/include/c++/x86_64-w64-mingw32 -isystem ${VELLORIC_MINGW_GCC}/include/c++/backward")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -static -L${VELLORIC_MINGW_GCC} -Wl,-Bstatic -lpthread")
