// Saving, copying, the settings file and error messages on Windows.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <filesystem>

#include "common/Environment.h"
#include "common/TempFolder.h"
#include "platform/FileCopy.h"
#include "platform/FileErrors.h"
#include "platform/FileIo.h"
#include "platform/Ini.h"
#include "platform/Paths.h"
#include "platform/WindowsApi.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::size_t Entries(const fs::path& folder)
{
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
  return count;
}

std::string Denied(const fs::path& path)
{
  return "Access to " + DisplayPath(path) + " was denied.";
}

} // namespace

TEST(FileErrorsOnWindows, MapsSystemErrorCodes)
{
  const struct {
    DWORD Error;
    FileErrorCause Cause;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, FileErrorCause::FileNotFound},
      {ERROR_PATH_NOT_FOUND, FileErrorCause::BadPath},
      {ERROR_INVALID_NAME, FileErrorCause::BadPath},
      {ERROR_BAD_PATHNAME, FileErrorCause::BadPath},
      {ERROR_DIRECTORY, FileErrorCause::BadPath},
      {ERROR_TOO_MANY_OPEN_FILES, FileErrorCause::TooManyOpenFiles},
      {ERROR_ACCESS_DENIED, FileErrorCause::AccessDenied},
      {ERROR_INVALID_HANDLE, FileErrorCause::InvalidHandle},
      {ERROR_CANNOT_MAKE, FileErrorCause::DirectoryFull},
      {ERROR_CRC, FileErrorCause::HardwareError},
      {ERROR_READ_FAULT, FileErrorCause::HardwareError},
      {ERROR_WRITE_FAULT, FileErrorCause::HardwareError},
      {ERROR_GEN_FAILURE, FileErrorCause::HardwareError},
      {ERROR_SHARING_VIOLATION, FileErrorCause::SharingViolation},
      {ERROR_LOCK_VIOLATION, FileErrorCause::LockingViolation},
      {ERROR_DISK_FULL, FileErrorCause::DiskFull},
      {ERROR_HANDLE_DISK_FULL, FileErrorCause::DiskFull},
      {ERROR_SUCCESS, FileErrorCause::Unknown},
      {ERROR_FILE_EXISTS, FileErrorCause::Unknown},
      {ERROR_NOT_ENOUGH_MEMORY, FileErrorCause::Unknown},
  };
  for (const auto& c : cases) EXPECT_EQ(CauseFromWin32Error(c.Error), c.Cause) << c.Error;
}

TEST(FileErrorsOnWindows, RealFailuresGiveTheirMessages)
{
  TempFolder folder("tovel-errors");
  const fs::path plain = folder.Write(L"plain.tvl", "x");
  const struct {
    fs::path Path;
    std::string Message;
  } cases[] = {
      {folder.Path() / L"missing.tvl", " was not found."},
      {folder.Path() / L"missing" / L"x.tvl", " contains an invalid path."},
      {folder.Path(), " was denied."},
  };
  for (const auto& c : cases) {
    const std::string error = ReadFileBytes(c.Path, 10).Error;
    EXPECT_NE(error.find(DisplayPath(c.Path)), std::string::npos) << error;
    EXPECT_EQ(error.substr(error.size() - std::min(error.size(), c.Message.size())), c.Message);
  }
}

TEST(SaveOnWindows, AReadOnlyFileIsRefusedAndKept)
{
  TempFolder folder("tovel-save");
  const fs::path target = folder.Write(L"Tovel", "previous");
  ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(IsWriteProtected(target));
  EXPECT_EQ(WriteFileSafely(target, "new"), Denied(target));
  EXPECT_EQ(ReadFileText(target), "previous");
  EXPECT_EQ(Entries(folder.Path()), 1u);
  ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(IsWriteProtected(target));
  EXPECT_FALSE(IsWriteProtected(folder.Path() / L"none"));

  // Nor is a folder or a device ever replaced by a file.
  for (const fs::path& other : {folder.Path(), folder.Path() / L"NUL", folder.Path() / L"com1.tvl"})
    EXPECT_EQ(WriteFileSafely(other, "new"), Denied(other)) << other;
  EXPECT_EQ(Entries(folder.Path()), 1u);
}

TEST(SaveOnWindows, ASaveReplacesTheFileAndLeavesNothingElse)
{
  TempFolder folder("tovel-save");
  const fs::path target = folder.Path() / L"Tovel";
  for (const std::string bytes : {"first", "the second and longer", "3"}) {
    EXPECT_EQ(WriteFileSafely(target, bytes), std::nullopt);
    EXPECT_EQ(ReadFileText(target), bytes);
    EXPECT_EQ(Entries(folder.Path()), 1u) << bytes;
  }
  // The temporary file was hidden; the saved one is not.
  EXPECT_FALSE(::GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN);

  const fs::path nowhere = folder.Path() / L"missing" / L"Tovel";
  EXPECT_EQ(WriteFileSafely(nowhere, "x"), DisplayPath(nowhere) + " contains an invalid path.");
  EXPECT_EQ(Entries(folder.Path()), 1u);
}

TEST(SaveOnWindows, ASaveThroughALinkReplacesTheFileItLeadsTo)
{
  TempFolder folder("tovel-save");
  const fs::path file = folder.Write(L"real\\Tovel", "previous");
  const fs::path link = folder.Path() / L"Link";
  // Windows makes links only for some users; Wine 8 makes ones that lead
  // nowhere.
  if (!::CreateSymbolicLinkW(link.c_str(), file.c_str(), 0) ||
      ::GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "this system makes no working symbolic links for this user";
  EXPECT_EQ(WriteFileSafely(link, "new"), std::nullopt);
  EXPECT_EQ(ReadFileText(file), "new");
  EXPECT_TRUE(::GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
  EXPECT_EQ(Entries(file.parent_path()), 1u);
}

TEST(CopyOnWindows, NeverReplacesAFile)
{
  TempFolder folder("tovel-copy");
  const fs::path source = folder.Write(L"outside\\new.bmp", "new bytes");
  const fs::path existing = folder.Write(L"walls\\OLD.BMP", "old bytes");
  for (const fs::path& target : {existing, folder.Path() / L"walls" / L"old.bmp"}) {
    EXPECT_EQ(CopyFileNoOverwrite(source, target), DisplayPath(target) + " exists already.");
    EXPECT_EQ(ReadFileText(existing), "old bytes");
  }
  const fs::path target = folder.Path() / L"walls" / L"new.bmp";
  EXPECT_EQ(CopyFileNoOverwrite(source, target), std::nullopt);
  EXPECT_EQ(ReadFileText(target), "new bytes");
  const fs::path missing = folder.Path() / L"none.bmp";
  EXPECT_EQ(CopyFileNoOverwrite(missing, folder.Path() / L"walls" / L"none.bmp"),
            DisplayPath(missing) + " was not found.");
  EXPECT_EQ(CreateFolder(folder.Path() / L"WALLS"),
            DisplayPath(folder.Path() / L"WALLS") + " exists already.");
  EXPECT_EQ(CreateFolder(folder.Path() / L"caf\u00E9"), std::nullopt);
  EXPECT_TRUE(fs::is_directory(folder.Path() / L"caf\u00E9"));
}

TEST(IniOnWindows, TheSettingsFileIsInTheWindowsFolderUnlessNamed)
{
  const SavedEnvironment saved({"KESTRO2_INI"});
  UnsetEnvironment("KESTRO2_INI");
  wchar_t windows[MAX_PATH];
  const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
  ASSERT_GT(length, 0u);
  const fs::path inWindows = fs::path(std::wstring(windows, length)) / L"KESTRO2.INI";
  EXPECT_EQ(FindKestroIni(), inWindows);
  if (fs::exists(inWindows)) GTEST_SKIP() << "the Windows folder has a settings file of its own";

  const std::string before = ReadTovelsFolderSetting();
  EXPECT_EQ(before, "C:\\");
  {
    TempFolder scratch("tovel-ini");
    ASSERT_EQ(WriteFileSafely(inWindows, "[Locations]\r\nTovels=D:\\Tov\xE9ls\r\n"), std::nullopt);
    EXPECT_EQ(ReadTovelsFolderSetting(), "D:\\Tov\xE9ls");

    // The variable names a file whose name Windows-1252 holds but the
    // system's code page may not.
    const fs::path named = scratch.Write(L"caf\u00E9.ini", "[LOCATIONS]\nTOVELS=E:\\x\n");
    SetEnvironment("KESTRO2_INI", Utf8FromPath(named));
    EXPECT_EQ(FindKestroIni(), named);
    EXPECT_EQ(ReadTovelsFolderSetting(), "E:\\x");
  }
  fs::remove(inWindows);
}

#endif
