// tovelcreator --render, run as a user runs it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include <wx/image.h>

#include "common/TempFolder.h"

namespace {

int Tovelcreator(const std::string& arguments)
{
  const std::string command = std::string("ASAN_OPTIONS=detect_leaks=0 ") + TOVEL_EXECUTABLE + " " +
                              arguments + " >/dev/null 2>&1";
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
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
