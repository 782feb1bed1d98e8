#include <gtest/gtest.h>

#include <filesystem>

#include "common/Environment.h"
#include "common/TempFolder.h"
#include "platform/Ini.h"
#include "platform/Paths.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

class IniTest : public ::testing::Test {
protected:
  SavedEnvironment saved_{{"KESTRO2_INI", "XDG_CONFIG_HOME", "HOME"}};
  TempFolder folder_{"tovel-ini"};
  const fs::path root_ = folder_.Path();
};

} // namespace

TEST_F(IniTest, ReadsValuesTheWayWindowsDoes)
{
  const fs::path ini = folder_.Write("k.ini", "TOVELS=outside any section\r\n"
                                              "[Other]\r\n"
                                              "Tovels=wrong section\r\n"
                                              "  [ Locations ]  \r\n"
                                              ";TOVELS=a comment\r\n"
                                              "\ttovels\t =  \"D:\\My Tovels\"  \r\n"
                                              "TOVELS=second of the same key\r\n"
                                              "Single='quoted'\n"
                                              "Mixed=\"half'\n"
                                              "Empty=\n"
                                              "Equation=a=b\n"
                                              "Bytes=J\xF6rg \x80\n"
                                              "[LOCATIONS]\n"
                                              "Later=in a repeated section\n");
  const auto read = [&](std::string_view section, std::string_view key) {
    return ReadProfileString(ini, section, key, "DEFAULT");
  };
  EXPECT_EQ(read("LOCATIONS", "TOVELS"), "D:\\My Tovels");
  EXPECT_EQ(read("other", "TOVELS"), "wrong section");
  EXPECT_EQ(read("LOCATIONS", "single"), "quoted");
  EXPECT_EQ(read("LOCATIONS", "MIXED"), "\"half'");
  EXPECT_EQ(read("LOCATIONS", "EMPTY"), "");
  EXPECT_EQ(read("LOCATIONS", "Equation"), "a=b");
  EXPECT_EQ(read("LOCATIONS", "Bytes"), "J\xF6rg \x80");
  EXPECT_EQ(read("LOCATIONS", "Later"), "DEFAULT");
  EXPECT_EQ(read("LOCATIONS", "Missing"), "DEFAULT");
  EXPECT_EQ(read("Missing", "TOVELS"), "DEFAULT");
  EXPECT_EQ(ReadProfileString(root_ / "none.ini", "LOCATIONS", "TOVELS", "C:\\"), "C:\\");
  EXPECT_EQ(ReadProfileString(root_, "LOCATIONS", "TOVELS", "C:\\"), "C:\\"); // a folder
}

TEST_F(IniTest, CutsLongValues)
{
  const std::string longValue(300, 'v');
  const fs::path ini =
      folder_.Write("long.ini", "\xEF\xBB\xBF[LOCATIONS]\nTOVELS=" + longValue + "\n");
  EXPECT_EQ(ReadProfileString(ini, KestroSection, KestroTovelsKey, KestroTovelsDefault),
            longValue.substr(0, 255));
  EXPECT_EQ(ReadProfileString(ini, "LOCATIONS", "TOVELS", "", 3), "vvv");
  EXPECT_EQ(ReadProfileString(ini, "LOCATIONS", "NONE", "abcdef", 3), "abc");
  EXPECT_EQ(ReadProfileString(ini, "LOCATIONS", "TOVELS", "", 0), "");
}

TEST_F(IniTest, FindsTheSettingsFile)
{
#ifdef _WIN32
  GTEST_SKIP() << "the XDG folders are POSIX's; IniOnWindows tests the Windows folder";
#endif
  SetEnvironment("KESTRO2_INI", Utf8FromPath(root_ / "named.ini"));
  EXPECT_EQ(FindKestroIni(), root_ / "named.ini");
  EXPECT_EQ(ReadTovelsFolderSetting(), "C:\\"); // named but missing

  SetEnvironment("KESTRO2_INI", "");
  SetEnvironment("XDG_CONFIG_HOME", Utf8FromPath(root_ / "xdg"));
  EXPECT_EQ(FindKestroIni(), "/etc/KESTRO2.INI");
  folder_.Write("xdg/KESTRO2.INI", "[LOCATIONS]\nTOVELS=/srv/tovels\n");
  EXPECT_EQ(FindKestroIni(), root_ / "xdg/KESTRO2.INI");
  EXPECT_EQ(ReadTovelsFolderSetting(), "/srv/tovels");

  UnsetEnvironment("KESTRO2_INI");
  UnsetEnvironment("XDG_CONFIG_HOME");
  SetEnvironment("HOME", Utf8FromPath(root_ / "home"));
  EXPECT_EQ(FindKestroIni(), "/etc/KESTRO2.INI");
  folder_.Write("home/.config/KESTRO2.INI", "");
  EXPECT_EQ(FindKestroIni(), root_ / "home/.config/KESTRO2.INI");
}

TEST_F(IniTest, TovelsFolderComesBackAsModelBytes)
{
  const fs::path ini = folder_.Write("k.ini", "");
  SetEnvironment("KESTRO2_INI", Utf8FromPath(ini));
  const auto tovelsFor = [&](const std::string& value) {
    folder_.Write("k.ini", "[LOCATIONS]\r\nTOVELS=" + value + "\r\n");
    return ReadTovelsFolderSetting();
  };
  EXPECT_EQ(tovelsFor("/home/j\xC3\xB6rg/tovels"), "/home/j\xF6rg/tovels"); // written as UTF-8
  EXPECT_EQ(tovelsFor("D:\\J\xF6rg"), "D:\\J\xF6rg");                       // already bytes
  EXPECT_EQ(tovelsFor("/home/\xE4\xB8\xAD"), "/home/\xE4\xB8\xAD");         // nothing to convert to
  // 300 two-byte characters: converted first, then cut to 255 bytes.
  std::string wide;
  for (int i = 0; i < 300; ++i) wide += "\xC3\xA9";
  EXPECT_EQ(tovelsFor("/" + wide), "/" + std::string(254, '\xE9'));
}
