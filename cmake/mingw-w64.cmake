# Cross-building the Windows program on Debian with MinGW-w64.
#
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DWX_PREFIX=... [-DGTEST_PREFIX=...]
#
# WX_PREFIX and GTEST_PREFIX are the folders that tools/windows/deps.sh
# prints: static wxWidgets (with libpng and libjpeg) and GoogleTest, built
# with this same compiler.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(TOVEL_MINGW x86_64-w64-mingw32)
# The POSIX thread model, as the libraries were built with (deps.sh).
set(CMAKE_C_COMPILER ${TOVEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOVEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TOVEL_MINGW}-windres)

# The try_compile checks read this file again: hand them the prefixes.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WX_PREFIX GTEST_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${TOVEL_MINGW} ${WX_PREFIX} ${GTEST_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
if(GTEST_PREFIX)
  set(GTest_DIR ${GTEST_PREFIX}/lib/cmake/GTest CACHE PATH "GoogleTest built for Windows")
endif()
if(WX_PREFIX)
  set(wxWidgets_CONFIG_EXECUTABLE ${WX_PREFIX}/bin/wx-config CACHE FILEPATH "wx-config of the MSW build")
endif()

# One program file that needs no DLL beyond those Windows ships.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# The released program carries no symbols.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
