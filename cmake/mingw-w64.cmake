# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix threads variant, which
# std::thread needs), tests run through Wine:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELTRANO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELTRANO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELTRANO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELTRANO_MINGW_TRIPLET}-windres)

# Libraries and headers (zlib among them) come from the MinGW tree only, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VELTRANO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The static zlib, so the programs need no zlib1.dll beside them.
set(ZLIB_USE_STATIC_LIBS ON)

# The C and C++ runtimes and winpthread linked in: a built .exe runs under Wine (or is copied
# to Windows) without any MinGW DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest and GoogleTest's test discovery start the Windows programs through Wine.
find_program(VELTRANO_WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
if(VELTRANO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELTRANO_WINE})
endif()

# Debian has no Qt built for MinGW; the Windows desktop program is the Win32 one (win32/).
set(VELTRANO_BUILD_QT OFF CACHE BOOL "Build the Qt desktop program")

# GoogleTest is built from Debian's sources (libgtest-dev) as part of this build.
set(VELTRANO_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build")
