# Cross-compiles the plug-in for Windows with mingw-w64: the host's real 32-bit DLL (i686).
# TAOKE_WINDOWS_ARCH=x86_64 gives a 64-bit build of the same sources, for running the tests under
# Wine on a machine whose kernel cannot run 32-bit programs.
# The -posix compilers are needed: GoogleTest does not build with the win32 thread model.
set(CMAKE_SYSTEM_NAME Windows)
set(TAOKE_WINDOWS_ARCH "i686" CACHE STRING "Windows target: i686 (the host's DLL) or x86_64")
set(CMAKE_SYSTEM_PROCESSOR ${TAOKE_WINDOWS_ARCH})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TAOKE_WINDOWS_ARCH)
set(taoke_mingw ${TAOKE_WINDOWS_ARCH}-w64-mingw32)

set(CMAKE_C_COMPILER ${taoke_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${taoke_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${taoke_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${taoke_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtimes are linked in: a DLL or program that needs libgcc/libstdc++ DLLs beside it fails to
# load in the host.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")

# The 64-bit build runs under the 64-bit Wine loader directly; the wine wrapper would pick the
# 32-bit one whenever it is installed.
if(TAOKE_WINDOWS_ARCH STREQUAL "x86_64")
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
