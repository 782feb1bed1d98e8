// Skips a test on Windows, where what it checks does not apply: POSIX
// permissions, symbolic links, byte-string file names, the case-insensitive
// lookup that a case-sensitive file system needs. Windows has tests of its
// own for its side (tests/core/platform/*WindowsTest.cpp).
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define SKIP_ON_WINDOWS(reason) GTEST_SKIP() << reason
#else
#define SKIP_ON_WINDOWS(reason) static_cast<void>(0)
#endif
