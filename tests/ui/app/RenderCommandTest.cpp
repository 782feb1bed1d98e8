// tovelcreator --render, run as a user runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <wx/image.h>

#include "cli/RunTovelcreator.h"
#include "common/BmpMaker.h"
#include "common/TempFolder.h"
#include "support/FrameFixture.h"

namespace {

int Tovelcreator(const std::string& arguments)
{
  const std::string command = std::string("ASAN_OPTIONS=detect_leaks=0 ") + TOVEL_EXECUTABLE + " " +
                              arguments + " >/dev/null 2>&1";
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Runs the executable as Tovelcreator does, after the shell commands in
// setup, keeping what it says on standard error.
RunResult RunRender(const std::string& setup, const std::string& arguments,
                    const std::filesystem::path& scratch)
{
  const auto errFile = scratch / "stderr.txt";
  const std::string command = setup + " ASAN_OPTIONS=detect_leaks=0 " + TOVEL_EXECUTABLE + " " +
                              arguments + " >/dev/null 2>'" + errFile.string() + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileText(errFile)};
}

// How many pixels are not white.
int ColouredPixels(const wxImage& image)
{
  int coloured = 0;
  for (int y = 0; y < image.GetHeight(); ++y)
    for (int x = 0; x < image.GetWidth(); ++x)
      if (image.GetRed(x, y) != 255 || image.GetGreen(x, y) != 255 || image.GetBlue(x, y) != 255)
        ++coloured;
  return coloured;
}

} // namespace

TEST(RenderCommand, DrawsTheSamplePageAtTheChosenZoom)
{
  TempFolder folder("tovel-render");
  const std::string samples = TOVEL_SAMPLES_DIR "/tovels";
  const auto out = folder.Path() / "pump.png";
  ASSERT_EQ(Tovelcreator("--render '" + out.string() + "' --zoom 2 --tovels-folder '" + samples +
                         "' '" + samples + "/PumpHouse'"),
            0);
  wxImage image;
  ASSERT_TRUE(image.LoadFile(out.string(), wxBITMAP_TYPE_PNG));
  EXPECT_EQ(image.GetWidth(), 800);
  EXPECT_EQ(image.GetHeight(), 640);
  EXPECT_EQ(image.GetRed(0, 0), 255);
  EXPECT_EQ(image.GetBlue(799, 639), 255);

  // The pictures and boxes make more than white: count the coloured pixels.
  const int coloured = ColouredPixels(image);
  EXPECT_GT(coloured, 5000);

  // Labels off draws fewer pixels.
  const auto bare = folder.Path() / "bare.png";
  ASSERT_EQ(Tovelcreator("--render '" + bare.string() +
                         "' --zoom 2 --labels off --tovels-folder '" + samples + "' '" + samples +
                         "/PumpHouse'"),
            0);
  wxImage without;
  ASSERT_TRUE(without.LoadFile(bare.string(), wxBITMAP_TYPE_PNG));
  EXPECT_LT(ColouredPixels(without), coloured);
}

TEST(RenderCommand, FailuresGiveTheirExitStatus)
{
  TempFolder folder("tovel-render");
  const auto out = folder.Path() / "x.png";
  EXPECT_EQ(Tovelcreator("--render '" + out.string() + "' '" +
                         (folder.Path() / "Missing").string() + "'"),
            1);
  const auto tovel = folder.Write("Empty", "0;0;\r\n\r\n");
  EXPECT_EQ(Tovelcreator("--render '" + (folder.Path() / "no" / "x.png").string() + "' '" +
                         tovel.string() + "'"),
            1);
  EXPECT_EQ(Tovelcreator("--render '" + out.string() + "' --zoom 5 '" + tovel.string() + "'"), 2);
  EXPECT_EQ(Tovelcreator("--render '" + out.string() + "' --labels maybe '" + tovel.string() + "'"),
            2);
  EXPECT_EQ(Tovelcreator("--render '" + out.string() + "'"), 2);
  EXPECT_EQ(Tovelcreator("--render '" + out.string() + "' '" + tovel.string() + "'"), 0);
}

TEST(RenderCommand, OnlyPngNamesAreAccepted)
{
  TempFolder folder("tovel-render");
  const auto tovel = folder.Write("Empty", "0;0;\r\n\r\n");
  for (const char* name : {"page.jpg", "page.png.txt", "png", "page.pn"}) {
    const auto out = folder.Path() / name;
    const RunResult run =
        RunRender("", "--render '" + out.string() + "' '" + tovel.string() + "'", folder.Path());
    EXPECT_EQ(run.status, 2) << name;
    EXPECT_NE(run.err.find(".png"), std::string::npos) << name << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(out)) << name;
  }
  // The letter case of the extension does not matter.
  const auto upper = folder.Path() / "Page.PNG";
  ASSERT_EQ(Tovelcreator("--render '" + upper.string() + "' '" + tovel.string() + "'"), 0);
  wxImage image;
  EXPECT_TRUE(image.LoadFile(upper.string(), wxBITMAP_TYPE_PNG));
}

TEST(RenderCommand, AFailedWriteIsReportedAndKeepsTheEarlierPicture)
{
  TempFolder folder("tovel-render");
  const std::string samples = TOVEL_SAMPLES_DIR "/tovels";
  const auto out = folder.Path() / "pump.png";
  const std::string arguments = "--render '" + out.string() + "' --zoom 2 --tovels-folder '" +
                                samples + "' '" + samples + "/PumpHouse'";
  ASSERT_EQ(Tovelcreator(arguments), 0);
  const std::string earlier = ReadFileText(out);
  ASSERT_GT(earlier.size(), 4096u);

  // Files may not grow beyond a few KiB: the write fails as on a full disk.
  const RunResult run = RunRender("trap '' XFSZ; ulimit -f 4;", arguments, folder.Path());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(out.string()), std::string::npos) << run.err;
  EXPECT_TRUE(ReadFileText(out) == earlier) << "the earlier picture was changed";
}

TEST(RenderCommand, ShowsThePicturesWhereTheViewDoes)
{
  // A red picture of 20 x 10 whose bottom left corner is at (10, 20).
  TempFolder folder("tovel-render");
  std::vector<std::uint8_t> red;
  for (int i = 0; i < 20 * 10; ++i) red.insert(red.end(), {0, 0, 255});
  std::filesystem::create_directory(folder.Path() / "pics");
  WriteBytes(folder.Path() / "pics" / "red.bmp",
             MakeBmp({.Width = 20, .Height = 10, .Bits = 24, .Pixels = red}));
  const auto tovel =
      folder.Write("Red", "1;1;\r\npics\\red.bmp;\r\n10,10,30,20,0,0,-1,-1,-1;\r\n" + TableLines());
  const auto out = folder.Path() / "red.png";
  ASSERT_EQ(Tovelcreator("--render '" + out.string() + "' --zoom 4 --tovels-folder '" +
                         folder.Path().string() + "' '" + tovel.string() + "'"),
            0);
  wxImage image;
  ASSERT_TRUE(image.LoadFile(out.string(), wxBITMAP_TYPE_PNG));
  for (const wxPoint inside : {wxPoint(40, 40), wxPoint(119, 79)}) {
    EXPECT_EQ(image.GetRed(inside.x, inside.y), 255) << inside.x << "," << inside.y;
    EXPECT_EQ(image.GetGreen(inside.x, inside.y), 0) << inside.x << "," << inside.y;
  }
  for (const wxPoint outside : {wxPoint(39, 39), wxPoint(120, 80)})
    EXPECT_EQ(image.GetGreen(outside.x, outside.y), 255) << outside.x << "," << outside.y;
}
