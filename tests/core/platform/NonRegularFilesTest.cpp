// A pipe or a device is never opened for reading: every reader takes it as a
// file that cannot be read, at once, instead of waiting on it for ever.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string_view>

#include "bitmaps/BitmapLoading.h"
#include "common/TempFolder.h"
#include "common/UnwrittenPipe.h"
#include "model/Tovel.h"
#include "model/TovelFile.h"
#include "platform/FileCopy.h"
#include "platform/Ini.h"

namespace fs = std::filesystem;

namespace {

struct Reader {
  const char* Name;
  // What the reader makes of the file: its message, or its result.
  std::function<std::string(const fs::path&)> Outcome;
  std::function<std::string(const std::string& shownPath)> Expected;
};

std::string Denied(const std::string& path)
{
  return "Access to " + path + " was denied.";
}

} // namespace

TEST(NonRegularFiles, AreUnreadableAndNeverWaitedOn)
{
  TempFolder folder("tovel-pipes");
#ifdef _WIN32
  // Every folder holds the names of the devices; a folder is no file either.
  const std::vector<fs::path> others = {folder.Path() / "NUL", folder.Path() / "con.bmp",
                                        folder.Path() / "COM1.bmp", "\\\\.\\NUL", folder.Path()};
#else
  const UnwrittenPipe pipe(folder.Path() / "pipe.bmp");
  const std::vector<fs::path> others = {pipe.Path(), "/dev/null"};
#endif
  const std::vector<Reader> readers = {
      {"tovel", [](const fs::path& path) { return ReadTovelFile(path).Error; }, Denied},
      {"bitmap",
       [](const fs::path& path) {
         ResetTovel();
         TovelsFolder = path.parent_path().string();
         BitmapNames[0] = path.filename().string();
         BitmapCount = 1;
         std::string problem;
         LoadBitmapSlot(0, &problem);
         ResetTovel();
         TovelsFolder.clear();
         return problem;
       },
       [](const std::string& path) {
         return "The bitmap file " + path + " could not be read: it could not be opened or read.";
       }},
      {"copy source",
       [&folder](const fs::path& path) {
         const auto problem = platform::CopyFileNoOverwrite(path, folder.Path() / "copy.bmp");
         return problem.value_or("copied") +
                (fs::exists(folder.Path() / "copy.bmp") ? " (made)" : "");
       },
       Denied},
      {"settings file",
       [](const fs::path& path) {
         return platform::ReadProfileString(path, "LOCATIONS", "TOVELS", "C:\\");
       },
       [](const std::string&) { return std::string("C:\\"); }},
  };
  for (const fs::path& file : others) {
    for (const Reader& reader : readers) {
#ifdef _WIN32
      // The bitmap loader asks the file system first, which knows no file
      // by a device's name.
      if (std::string_view(reader.Name) == "bitmap") continue;
#endif
      EXPECT_EQ(reader.Outcome(file), reader.Expected(file.string()))
          << reader.Name << ", " << file;
    }
  }
#ifndef _WIN32
  EXPECT_FALSE(pipe.WasOpened());
#endif
}
