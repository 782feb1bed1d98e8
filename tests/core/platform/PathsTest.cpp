#include <gtest/gtest.h>

#include <filesystem>

#include "common/PosixOnly.h"
#include "common/TempFolder.h"
#include "platform/Paths.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

class NativePathTest : public ::testing::Test {
protected:
  void MakeFile(const fs::path& relative) { folder_.Write(relative, "x"); }
  // The temporary folder written the way a tovel made on Windows names it.
  std::string WindowsRoot() const
  {
    std::string text = "C:" + root_.string();
    for (char& c : text) {
      if (c == '/') c = '\\';
    }
    return text;
  }
  TempFolder folder_{"tovel-paths"};
  const fs::path root_ = folder_.Path();
};

} // namespace

TEST(Paths, JoinAlwaysInsertsOneBackslash)
{
  EXPECT_EQ(JoinTovelsPath("C:\\TOVELS", "PUMP.TVL"), "C:\\TOVELS\\PUMP.TVL");
  EXPECT_EQ(JoinTovelsPath("C:\\", "x"), "C:\\\\x");
#ifndef _WIN32
  EXPECT_EQ(NativePath(JoinTovelsPath("C:\\", "tovel-no-such-entry")), "/tovel-no-such-entry");
#endif
}

TEST(Paths, WindowsFormBecomesNativeForm)
{
  SKIP_ON_WINDOWS("POSIX form; PathsOnWindows checks the Windows form");
  // Names that exist nowhere, so only the form changes.
  EXPECT_EQ(NativePath("C:\\tovel-no-such\\.\\a\\\\b\\"), "/tovel-no-such/a/b");
  EXPECT_EQ(NativePath("d:/tovel-no-such/x.bmp"), "/tovel-no-such/x.bmp");
  EXPECT_EQ(NativePath("C:"), "/");
  EXPECT_EQ(NativePath("\\\\tovel-no-such\\share"), "/tovel-no-such/share");
  EXPECT_EQ(NativePath("C:\\tovel-no-such\\M\xDCLLER.BMP"), "/tovel-no-such/M\xC3\x9CLLER.BMP");
  EXPECT_EQ(NativePath("/tovel-no-such/a b/tovels"), "/tovel-no-such/a b/tovels");
  const fs::path relative = NativePath("tovel-no-such\\..\\PUMP.BMP");
  EXPECT_TRUE(relative.is_relative());
  EXPECT_EQ(relative, "tovel-no-such/../PUMP.BMP");
  EXPECT_EQ(NativePath(""), "");
}

TEST_F(NativePathTest, FindsComponentsIgnoringCase)
{
  SKIP_ON_WINDOWS("the Windows file system ignores letter case itself");
  MakeFile("tovels/pumps/pump.bmp");
  MakeFile("tovels/m\xC3\xBCller.bmp");
  const std::string tovels = WindowsRoot() + "\\TOVELS";

  EXPECT_EQ(NativePath(tovels + "\\PUMPS\\PUMP.BMP"), root_ / "tovels/pumps/pump.bmp");
  EXPECT_EQ(NativePath(tovels + "\\M\xDCLLER.BMP"), root_ / "tovels/m\xC3\xBCller.bmp");
  EXPECT_EQ(NativePath(tovels + "\\Pumps\\..\\PUMPS\\Pump.Bmp"),
            root_ / "tovels/pumps/../pumps/pump.bmp");
  // The path as it exists passes through untouched.
  EXPECT_EQ(NativePath((root_ / "tovels/pumps/pump.bmp").string()),
            root_ / "tovels/pumps/pump.bmp");
  // From the first missing component on, everything is kept as written.
  EXPECT_EQ(NativePath(tovels + "\\VALVES\\PUMPS\\PUMP.BMP"),
            root_ / "tovels/VALVES/PUMPS/PUMP.BMP");
  EXPECT_EQ(NativePath(tovels + "\\PUMPS\\VALVE.BMP"), root_ / "tovels/pumps/VALVE.BMP");

  const fs::path before = fs::current_path();
  fs::current_path(root_);
  const fs::path relative = NativePath("TOVELS\\PUMPS\\PUMP.BMP");
  fs::current_path(before);
  EXPECT_EQ(relative, "tovels/pumps/pump.bmp");
}

TEST_F(NativePathTest, PrefersExactCaseAndSkipsUnconvertibleNames)
{
  MakeFile("a.bmp");
  MakeFile("A.BMP");
  MakeFile("\xFF.bmp"); // not UTF-8: has no Windows-1252 form
  if (!fs::exists(root_ / "a.bmp") || fs::equivalent(root_ / "a.bmp", root_ / "A.BMP")) {
    GTEST_SKIP() << "the temporary folder ignores letter case";
  }
  EXPECT_EQ(NativePath(WindowsRoot() + "\\a.bmp"), root_ / "a.bmp");
  EXPECT_EQ(NativePath(WindowsRoot() + "\\A.BMP"), root_ / "A.BMP");
  EXPECT_EQ(NativePath(WindowsRoot() + "\\a.Bmp"), root_ / "A.BMP"); // first in byte order
  // Byte 0xFF is "y with diaeresis"; the raw 0xFF entry is no such name.
  EXPECT_EQ(NativePath(WindowsRoot() + "\\\xFF.BMP"), root_ / "\xC3\xBF.BMP");
}

TEST(Paths, NativeNamesConvertToModelBytes)
{
  SKIP_ON_WINDOWS("POSIX names are bytes; PathsOnWindows converts UTF-16 names");
  EXPECT_EQ(NativeToModelName("pump.bmp"), "pump.bmp");
  EXPECT_EQ(NativeToModelName("m\xC3\xBCller \xE2\x82\xAC.bmp"), "m\xFCller \x80.bmp");
  EXPECT_EQ(NativeToModelName(fs::path("/tovels/pumps/pump.bmp").filename()), "pump.bmp");
  EXPECT_EQ(NativeToModelName("\xE4\xB8\xAD.bmp"), std::nullopt);
  EXPECT_EQ(NativeToModelName("\xFF.bmp"), std::nullopt);
}
