// The command line's conventions: values after '=', messages that start
// with the program's name and name the file, short usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/RunTovelcreator.h"
#include "common/TempFolder.h"

namespace fs = std::filesystem;

namespace {

const fs::path SampleTovels = TOVEL_SAMPLES_DIR "/tovels";
const std::string TryHelp = "Try 'tovelcreator --help'.\n";

class Conventions : public ::testing::Test {
protected:
  RunResult Tovelcreator(const std::string& arguments) { return RunTovelcreator(arguments, m_dir); }

  static std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

  TempFolder m_temp{"tovel-cli-conventions"};
  const fs::path m_dir = m_temp.Path();
  const fs::path m_tovel = m_temp.Write("PumpHouse", ReadFileText(SampleTovels / "PumpHouse"));
  const fs::path m_folder = m_dir / "folder.png";
  const fs::path m_out = m_dir / "Out";
};

} // namespace

TEST_F(Conventions, ProblemsGiveOneLineNamingTheFileOrTheOption)
{
  fs::create_directory(m_folder);
  const std::string tovel = Quoted(m_tovel);
  const std::string folder = m_folder.string();
  struct Case {
    std::string arguments;
    int status;
    std::string err;
  };
  const std::vector<Case> cases = {
      {"--bogus " + tovel, 2, "tovelcreator: unknown option --bogus\n" + TryHelp},
      {"--bogus=1 " + tovel, 2, "tovelcreator: unknown option --bogus\n" + TryHelp},
      {"--export", 2, "tovelcreator: --export needs a value\n" + TryHelp},
      {"--version=2", 2, "tovelcreator: --version takes no value\n" + TryHelp},
      {"--render=p.png --zoom=5 " + tovel, 2,
       "tovelcreator: --zoom takes 1, 2, 3 or 4, not '5'\n" + TryHelp},
      {"--render p.png --labels=no " + tovel, 2,
       "tovelcreator: --labels takes on or off, not 'no'\n" + TryHelp},
      {"--render p.png --set in9=on " + tovel, 2,
       "tovelcreator: --set in9=on: there is no input 9 (inputs 1 to 8)\n" + TryHelp},
      {"--render p.png --set=motB=sideways " + tovel, 2,
       "tovelcreator: --set motB=sideways: a motor is off, forward or reverse, not "
       "'sideways'\n" +
           TryHelp},
      {"--render p.png --set val2=1e3 " + tovel, 2,
       "tovelcreator: --set val2=1e3: a value is a decimal number of at most 15 characters, "
       "such as -12.5, not '1e3'\n" +
           TryHelp},
      {"--export native --output Out --set in1=on " + tovel, 2,
       "tovelcreator: --set is only for --render\n" + TryHelp},
      {"First Second", 2,
       "tovelcreator: more than one tovel file named: First and Second\n" + TryHelp},
      {"--export=acorn --sprites-dir=ABCDEFGHIJK --output=Out " + tovel, 2,
       "tovelcreator: --sprites-dir \"ABCDEFGHIJK\": Please enter no more than 10 characters.\n" +
           TryHelp},
      // A folder is named as one, before anything is read or written.
      {"--export native --output " + Quoted(m_out) + " " + Quoted(m_folder), 1,
       "tovelcreator: " + folder + " is a folder, not a tovel file\n"},
      {"--export=mac --output=" + Quoted(m_folder) + " " + tovel, 1,
       "tovelcreator: " + folder + " is a folder, not a file to write the tovel into\n"},
      {"--render=" + Quoted(m_folder) + " " + tovel, 1,
       "tovelcreator: " + folder + " is a folder, not a file to write the picture into\n"},
      {"--export native --output " + Quoted(m_out) + " " + Quoted(m_dir / "Nothing"), 1,
       "tovelcreator: " + (m_dir / "Nothing").string() + " was not found.\n"},
      // The bitmaps are looked for in an empty tovels folder: one warning
      // for each, and the export goes on.
      {"--export mac --output " + Quoted(m_dir / "Mac") + " --tovels-folder=" + Quoted(m_dir) +
           " " + tovel,
       0, "tovelcreator: warning: The bitmap file "},
  };
  for (const auto& c : cases) {
    const RunResult run = Tovelcreator(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    if (c.status != 0) {
      EXPECT_EQ(run.err, c.err) << c.arguments;
      continue;
    }
    // Warnings: every line starts as expected and names a missing bitmap.
    ASSERT_FALSE(run.err.empty()) << c.arguments;
    for (std::size_t at = 0; at < run.err.size(); at = run.err.find('\n', at) + 1) {
      const std::string warning = run.err.substr(at, run.err.find('\n', at) - at);
      EXPECT_EQ(warning.rfind(c.err, 0), 0u) << warning;
      EXPECT_NE(warning.find(".bmp could not be read: it does not exist."), std::string::npos)
          << warning;
    }
  }
  EXPECT_FALSE(fs::exists(m_out));
  EXPECT_TRUE(fs::is_empty(m_folder));
}

TEST_F(Conventions, ValuesAfterEqualsSignsWorkLikeSeparateOnes)
{
  const std::string tovel = Quoted(m_tovel);
  const std::string folder = Quoted(SampleTovels);
  RunResult run =
      Tovelcreator("--export acorn --output " + Quoted(m_out) +
                   " --sprites-dir S --sprites-size 5 --tovels-folder " + folder + " " + tovel);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string separate = ReadFileText(m_out);
  ASSERT_EQ(separate.rfind("S;11;5;\n", 0), 0u) << separate;

  // A value may hold '=' itself, and may be empty.
  const fs::path attachedOut = m_dir / "a=b";
  run =
      Tovelcreator("--export=acorn --output=" + Quoted(attachedOut) +
                   " --sprites-dir=S --sprites-size=5 --tovels-folder=" + folder + " -- " + tovel);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFileText(attachedOut), separate);

  run = Tovelcreator("--export=acorn --output=" + Quoted(m_out) + " --sprites-dir= " + tovel);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFileText(m_out).rfind(";11;0;\n", 0), 0u);
}
