// Paths and file names on Windows: native paths with drives and backslashes,
// and names with characters beyond ASCII converted from Windows-1252 to
// UTF-16 whatever the system's code page.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "common/TempFolder.h"
#include "platform/FileCopy.h"
#include "platform/FileIo.h"
#include "platform/Listing.h"
#include "platform/Paths.h"
#include "platform/Windows1252.h"
#include "platform/WindowsApi.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

// The temporary folder as a tovel or the settings file names it.
std::string ModelForm(const fs::path& folder)
{
  return NativeToModelName(folder).value();
}

std::string BytesOf(const fs::path& path)
{
  const FileBytes read = ReadFileBytes(path, 1024);
  return read.Error.empty() ? std::string(read.Bytes.begin(), read.Bytes.end()) : read.Error;
}

} // namespace

TEST(PathsOnWindows, CodePageIsTheOneAsked)
{
  // The test script sets another ANSI code page than Windows-1252, so that
  // a conversion through it would give other names than the ones tested.
  if (const char* expected = std::getenv("TOVEL_EXPECTED_ACP"))
    EXPECT_EQ(::GetACP(), static_cast<UINT>(std::atoi(expected)));
  else
    GTEST_SKIP() << "run by tools/windows/run-core-tests.sh to check the code page";
}

TEST(PathsOnWindows, WindowsFormStaysNative)
{
  const struct {
    std::string Model;
    std::wstring Native;
  } cases[] = {
      {"C:\\TOVELS\\PUMP.TVL", L"C:\\TOVELS\\PUMP.TVL"},
      {JoinTovelsPath("C:\\", "x"), L"C:\\x"},
      {"d:/tovels/./a\\\\b\\", L"d:\\tovels\\a\\b"},
      {"C:", L"C:\\"},
      {"\\tovels\\x", L"\\tovels\\x"},
      {"\\\\server\\share\\x", L"\\\\server\\share\\x"},
      {"\\\\.\\COM1", L"\\\\.\\COM1"},
      {"pumps\\..\\x", L"pumps\\..\\x"},
      {"M\xDCLLER \x80.BMP", L"M\u00DCLLER \u20AC.BMP"},
      {"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(NativePath(c.Model).native(), c.Native) << c.Model;
}

TEST(PathsOnWindows, TextAndNamesConvertExplicitly)
{
  const fs::path euro(L"C:\\Caf\u00E9 \u20AC");
  EXPECT_EQ(Utf8FromPath(euro), "C:\\Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(PathFromUtf8("C:\\Caf\xC3\xA9 \xE2\x82\xAC"), euro);
  EXPECT_EQ(DisplayPath(euro), "C:\\Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(NativeToModelName(euro.filename()), "Caf\xE9 \x80");
  EXPECT_EQ(NativeToModelName(fs::path(L"\u4E2D.bmp")), std::nullopt);
}

TEST(NamesOnWindows, AccentAndEuroNamesAreMadeListedReadSavedAndCopied)
{
  for (const std::string name : {"caf\xE9.bmp", "\x80uro.BMP"}) {
    TempFolder folder("tovel-names");
    const std::wstring wide = NativePath(name).native();
    const fs::path file = NativePath(JoinTovelsPath(ModelForm(folder.Path()), name));
    ASSERT_EQ(file, folder.Path() / wide) << name;

    EXPECT_EQ(WriteFileSafely(file, "first"), std::nullopt) << name;
    EXPECT_EQ(WriteFileSafely(file, "second"), std::nullopt) << name;
    // Made under its own name, as UTF-16, not as the code page reads it.
    EXPECT_TRUE(fs::exists(folder.Path() / wide)) << name;
    const auto listed = ListFiles(folder.Path(), "*.bmp");
    ASSERT_EQ(listed.size(), 1u) << name;
    EXPECT_EQ(Utf8ToCp1252(listed[0]), name);
    EXPECT_EQ(folder.Path() / PathFromUtf8(listed[0]), file);
    EXPECT_EQ(BytesOf(file), "second") << name;

    fs::create_directory(folder.Path() / L"sub");
    EXPECT_EQ(CopyFileNoOverwrite(file, folder.Path() / L"sub" / wide), std::nullopt) << name;
    EXPECT_EQ(BytesOf(NativePath(JoinTovelsPath(ModelForm(folder.Path()), "SUB\\" + name))),
              "second")
        << name;
  }
}

TEST(NamesOnWindows, OpensNamesInAnyLetterCase)
{
  TempFolder folder("tovel-names");
  folder.Write(L"pumps\\pump_on.bmp", "on");
  const std::string tovels = ModelForm(folder.Path());
  EXPECT_EQ(BytesOf(NativePath(JoinTovelsPath(tovels, "PUMPS\\PUMP_ON.BMP"))), "on");
  EXPECT_EQ(ListFolders(NativePath(tovels)), std::vector<std::string>{"pumps"});
  EXPECT_EQ(ListFiles(NativePath(tovels + "\\Pumps"), "*.BMP"),
            std::vector<std::string>{"pump_on.bmp"});
}

#endif
