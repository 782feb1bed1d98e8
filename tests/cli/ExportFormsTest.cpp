// The Acorn and Macintosh exports through the real executable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/RunTovelcreator.h"
#include "common/TempFolder.h"
#include "common/UnwrittenPipe.h"

namespace fs = std::filesystem;

namespace {

const fs::path SampleTovels = TOVEL_SAMPLES_DIR "/tovels";

// The width and height a BMP file's header gives, read here directly.
std::string HeaderSize(const fs::path& bmp)
{
  const std::string bytes = ReadFileText(bmp);
  auto number = [&](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value |= std::uint32_t{static_cast<unsigned char>(bytes.at(at + i))} << (8 * i);
    return std::to_string(static_cast<std::int32_t>(value));
  };
  return number(18) + "," + number(22);
}

std::vector<std::string> Lines(const std::string& text, char end)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto found = text.find(end, start);
    if (found == std::string::npos) found = text.size();
    lines.push_back(text.substr(start, found - start));
    start = found + 1;
  }
  return lines;
}

class ExportForms : public ::testing::Test {
protected:
  RunResult Tovelcreator(const std::string& arguments) { return RunTovelcreator(arguments, m_dir); }

  // A copy of a sample tovel in the scratch folder, under another name.
  fs::path CopySample(const std::string& sample, const std::string& name)
  {
    return m_temp.Write(name, ReadFileText(SampleTovels / sample));
  }

  std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

  TempFolder m_temp{"tovel-cli-forms"};
  const fs::path m_dir = m_temp.Path();
  const fs::path m_out = m_dir / "Out";
};

} // namespace

TEST_F(ExportForms, AcornTakesItsDetailsFromTheFileNameOrTheOptions)
{
  const fs::path in = CopySample("PumpHouse", "PumpHouse");
  const std::string common =
      "--output " + Quoted(m_out) + " --tovels-folder " + Quoted(SampleTovels) + " ";

  RunResult run = Tovelcreator("--export acorn " + common + Quoted(in));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string file = ReadFileText(m_out);
  EXPECT_EQ(file.find('\r'), std::string::npos);
  const auto lines = Lines(file, '\n');
  ASSERT_EQ(lines.size(), 33u + 11u);
  EXPECT_EQ(lines[0], "PumpHouse;11;0;");
  // 40,60,88,92 flags 64 with bitmaps 0 and 1 in the tovel.
  EXPECT_EQ(lines[1], "80,-184,176,-120,64,pump_off,pump_on,0,0;");

  run = Tovelcreator("--export acorn --sprites-dir Spr --sprites-size 1024000 " + common +
                     Quoted(in));
  ASSERT_EQ(run.status, 0) << run.err;
  const auto withOptions = Lines(ReadFileText(m_out), '\n');
  ASSERT_EQ(withOptions.size(), lines.size());
  EXPECT_EQ(withOptions[0], "Spr;11;1024000;");
  EXPECT_TRUE(std::equal(lines.begin() + 1, lines.end(), withOptions.begin() + 1));

  // An empty directory is allowed and gives an empty first field.
  run = Tovelcreator("--export acorn --sprites-dir '' " + common + Quoted(in));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(ReadFileText(m_out), '\n')[0], ";11;0;");
}

TEST_F(ExportForms, MacintoshReadsBitmapSizesFromTheTovelsFolder)
{
  const fs::path folder = m_dir / "tovels";
  const fs::path pump = m_temp.Write("tovels/pumps/pump_off.bmp",
                                     ReadFileText(SampleTovels / "pumps" / "pump_off.bmp"));
  const fs::path led =
      m_temp.Write("tovels/lamps/led.bmp", ReadFileText(SampleTovels / "lamps" / "led_on.bmp"));
  ASSERT_NE(HeaderSize(pump), HeaderSize(led));
  std::string tables;
  for (int i = 0; i < 16; ++i) tables += "-1,-1,-1;\r\n";
  for (int i = 0; i < 4; ++i) tables += "-1,-1;\r\n";
  for (int i = 0; i < 4; ++i) tables += "-1,-1,-1,-1;\r\n";
  for (int i = 0; i < 8; ++i) tables += "-1;\r\n";
  const fs::path in =
      m_temp.Write("tovels/Mixed", "1;3;\r\npumps\\pump_off.bmp;Lamps\\LED.BMP;gone\\none.bmp;\r\n"
                                   "4,6,52,38,1,0,1,2,-1;\r\n" +
                                       tables);

  const RunResult run = Tovelcreator("--export mac --output " + Quoted(m_out) +
                                     " --tovels-folder " + Quoted(folder) + " " + Quoted(in));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("none.bmp"), std::string::npos) << run.err;
  const std::string file = ReadFileText(m_out);
  EXPECT_EQ(file.find('\n'), std::string::npos);
  const auto lines = Lines(file, '\r');
  ASSERT_EQ(lines.size(), 33u + 3u + 1u);
  EXPECT_EQ(lines[0], "1;3;");
  // The name is found in another letter case; the Macintosh name keeps the
  // tovel's spelling.
  EXPECT_EQ(lines[1], "pumps:pump_off," + HeaderSize(pump) + ";");
  EXPECT_EQ(lines[2], "Lamps:LED," + HeaderSize(led) + ";");
  EXPECT_EQ(lines[3], "gone:none,0,0;");
  EXPECT_EQ(lines[4], "4,6,52,38,1,0,1,2,-1;");
  EXPECT_EQ(lines[5], "-1,-1,-1;");
}

// Named pipes in the file system and /dev are POSIX; the Windows core tests
// check that Windows' devices are refused.
#ifndef _WIN32
TEST_F(ExportForms, PipesAndDevicesAreUnreadableAndNeverWaitedOn)
{
  fs::create_directories(m_dir / "pipes");
  const UnwrittenPipe bitmap(m_dir / "pipes" / "pipe.bmp");
  const fs::path in = m_temp.Write("Piped", "0;1;\r\npipes\\pipe.bmp;\r\n");
  RunResult run = Tovelcreator("--export mac --output " + Quoted(m_out) + " --tovels-folder " +
                               Quoted(m_dir) + " " + Quoted(in));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("pipe.bmp could not be read: it could not be opened or read."),
            std::string::npos)
      << run.err;
  EXPECT_EQ(Lines(ReadFileText(m_out), '\r').at(1), "pipes:pipe,0,0;");

  const UnwrittenPipe tovel(m_dir / "PipedTovel");
  for (const fs::path& file : {tovel.Path(), fs::path("/dev/null")}) {
    run = Tovelcreator("--export native --output " + Quoted(m_dir / "Copy") + " " + Quoted(file));
    EXPECT_EQ(run.status, 1) << file;
    EXPECT_EQ(run.err, "tovelcreator: Access to " + file.string() + " was denied.\n");
  }
  EXPECT_FALSE(fs::exists(m_dir / "Copy"));
  EXPECT_FALSE(bitmap.WasOpened());
  EXPECT_FALSE(tovel.WasOpened());
}
#endif

TEST_F(ExportForms, DetailsTheDialogWouldRefuseStopTheExport)
{
  const fs::path in = CopySample("Conveyor", "Conveyor");
  const fs::path longName = CopySample("Conveyor", "ConveyorBelt");
  const std::string to = "--export acorn --output " + Quoted(m_out) + " ";
  // The message names the option at fault, with the value given.
  struct Case {
    std::string options;
    fs::path file;
    std::string message;
  };
  const std::string tooLong = "Please enter no more than 10 characters.";
  const std::string separator = "The sprites directory cannot hold ';', ',' or control characters";
  const std::vector<Case> cases = {
      {"--sprites-dir ABCDEFGHIJK", in, "--sprites-dir \"ABCDEFGHIJK\": " + tooLong},
      {"--sprites-dir 'ab;c'", in, "--sprites-dir \"ab;c\": " + separator},
      // The default directory is the file's name, checked the same way.
      {"", longName,
       "sprites directory \"ConveyorBelt\" (the file's name; --sprites-dir sets another): " +
           tooLong},
      // The directory is checked before the size.
      {"--sprites-dir ABCDEFGHIJK --sprites-size x", in,
       "--sprites-dir \"ABCDEFGHIJK\": " + tooLong},
      {"--sprites-dir a,b --sprites-size 5", in, "--sprites-dir \"a,b\": " + separator},
      {"--sprites-size ''", in, "--sprites-size \"\": Please enter a positive integer."},
      {"--sprites-size 12x", in, "--sprites-size \"12x\": Please enter a positive integer."},
      {"--sprites-size -1", in, "--sprites-size \"-1\": Please enter a positive integer."},
      {"--sprites-size 1024001", in,
       "--sprites-size \"1024001\": Please enter an integer between 0 and 1024000."},
  };
  for (const auto& c : cases) {
    const RunResult run = Tovelcreator(to + c.options + " " + Quoted(c.file));
    EXPECT_EQ(run.status, 2) << c.options;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.options << ": " << run.err;
    EXPECT_FALSE(fs::exists(m_out)) << c.options;
  }

  // Sprite details belong to the Acorn form only.
  EXPECT_EQ(
      Tovelcreator("--export mac --sprites-dir S --output " + Quoted(m_out) + " " + Quoted(in))
          .status,
      2);
  EXPECT_EQ(
      Tovelcreator("--export native --sprites-size 0 --output " + Quoted(m_out) + " " + Quoted(in))
          .status,
      2);
  EXPECT_FALSE(fs::exists(m_out));
}

TEST_F(ExportForms, OnlyTheMacintoshFormReadsTheBitmaps)
{
  const fs::path in = m_temp.Write("Gone", "0;1;\r\ngone\\none.bmp;\r\n");
  for (const char* form : {"native", "acorn", "mac"}) {
    const RunResult run =
        Tovelcreator(std::string("--export ") + form + " --output " + Quoted(m_out) +
                     " --tovels-folder " + Quoted(m_dir) + " " + Quoted(in));
    EXPECT_EQ(run.status, 0) << form << ": " << run.err;
    EXPECT_EQ(run.err.find("none.bmp") != std::string::npos, std::string(form) == "mac")
        << form << ": " << run.err;
  }
}

TEST_F(ExportForms, ExportsLeaveTheInputFileAlone)
{
  for (const char* sample : {"Conveyor", "Lighthouse", "PumpHouse"}) {
    const fs::path in = CopySample(sample, sample);
    const std::string before = ReadFileText(in);
    const auto modified = fs::last_write_time(in);
    for (const char* form : {"acorn", "mac", "native"}) {
      const fs::path out = m_dir / (std::string(sample) + "." + form);
      const RunResult run =
          Tovelcreator(std::string("--export ") + form + " --output " + Quoted(out) +
                       " --tovels-folder " + Quoted(SampleTovels) + " " + Quoted(in));
      EXPECT_EQ(run.status, 0) << sample << " " << form << ": " << run.err;
      EXPECT_TRUE(fs::exists(out));
    }
    EXPECT_EQ(ReadFileText(in), before) << sample;
    EXPECT_EQ(fs::last_write_time(in), modified) << sample;
  }
}
