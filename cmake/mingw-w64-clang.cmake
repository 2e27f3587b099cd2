# The second compiler: clang for the same 64-bit Windows target, with the
# MinGW-w64 headers, libraries and C++ library. Code that only one of the two
# compilers accepts is caught here before a Windows build with MSVC finds it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELLORIC_MINGW_GCC /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# clang finds the MinGW C headers but not GCC's C++ library for the target.
set(CMAKE_CXX_FLAGS_INIT "-isystem ${VELLORIC_MINGW_GCC}/include/c++ -isystem ${VELLORIC_MINGW_GCC}/include/c++/x86_64-w64-mingw32 -isystem ${VELLORIC_MINGW_GCC}/include/c++/backward")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -static -L${VELLORIC_MINGW_GCC} -Wl,-Bstatic -lpthread")
