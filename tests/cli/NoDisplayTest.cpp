// The executable on a machine without a display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/RunTovelcreator.h"
#include "common/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// Sets or removes environment variables for the life of the object.
class Environment {
public:
  void Set(const char* name, const char* value)
  {
    Remember(name);
    ::setenv(name, value, 1);
  }
  void Unset(const char* name)
  {
    Remember(name);
    ::unsetenv(name);
  }
  ~Environment()
  {
    for (const auto& [name, value] : m_saved) {
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }

private:
  void Remember(const char* name)
  {
    const char* value = std::getenv(name);
    m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

} // namespace

TEST(NoDisplay, TheEditorAndRenderSaySoWhileExportWorks)
{
  if (RunsOtherProgram()) GTEST_SKIP() << "only the X11 program needs a display";
  Environment environment;
  environment.Unset("DISPLAY");
  environment.Unset("WAYLAND_DISPLAY");
  environment.Set("GDK_BACKEND", "x11"); // no guessing at a Wayland socket

  TempFolder folder("tovel-no-display");
  std::string tables;
  for (int i = 0; i < 16; ++i) tables += "-1,-1,-1;\r\n";
  for (int i = 0; i < 4; ++i) tables += "-1,-1;\r\n";
  for (int i = 0; i < 4; ++i) tables += "-1,-1,-1,-1;\r\n";
  for (int i = 0; i < 8; ++i) tables += "-1;\r\n";
  const fs::path tovel = folder.Write("Empty", "0;0;\r\n\r\n" + tables);
  const std::string quoted = "'" + tovel.string() + "'";
  const fs::path picture = folder.Path() / "page.png";

  for (const std::string& arguments :
       {std::string(), quoted, "--render '" + picture.string() + "' " + quoted}) {
    const RunResult run = RunTovelcreator(arguments, folder.Path());
    EXPECT_EQ(run.status, 1) << arguments;
    EXPECT_EQ(run.err, "tovelcreator: cannot open the display (is DISPLAY set?)\n") << arguments;
  }
  EXPECT_FALSE(fs::exists(picture));

  const fs::path out = folder.Path() / "Out";
  const RunResult exported =
      RunTovelcreator("--export native --output '" + out.string() + "' " + quoted, folder.Path());
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(ReadFileText(out), ReadFileText(tovel));
}
