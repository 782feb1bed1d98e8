# The MinGW-w64 toolchain with the POSIX thread model, for the core test
# program on Windows: GoogleTest's headers need std::mutex, which the
# win32-thread compilers of Debian 12 (GCC 12) lack. The core and its tests
# use no wxWidgets, so they need no other build of it.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_C_COMPILER ${TOVEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOVEL_MINGW}-g++-posix)
