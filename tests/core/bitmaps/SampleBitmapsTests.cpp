// Checks the shipped sample tovels folder: every picture is a BMP this
// program reads, and every sample tovel names pictures that load and fit
// their items.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "bitmaps/BitmapLoading.h"
#include "bitmaps/BmpHeader.h"
#include "model/Tovel.h"

namespace fs = std::filesystem;

namespace {

const fs::path TovelsDir = fs::path(TOVEL_SAMPLES_DIR) / "tovels";

std::vector<std::uint8_t> ReadAll(const fs::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;) {
    parts.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

} // namespace

TEST(SampleBitmaps, EverySampleBmpIsReadable)
{
  struct Expected {
    int Width, Height, Bits, Colours; // Colours 0 = halftone
  };
  std::map<std::string, Expected> expected = {
      {"lamp_off.bmp", {32, 32, 4, 16}},  {"lamp_on.bmp", {32, 32, 4, 16}},
      {"led_off.bmp", {16, 16, 1, 2}},    {"led_on.bmp", {16, 16, 1, 2}},
      {"pump_off.bmp", {48, 32, 8, 256}}, {"pump_on.bmp", {48, 32, 8, 256}},
      {"valve.bmp", {32, 24, 8, 20}},     {"motor_off.bmp", {48, 32, 24, 0}},
      {"motor_fd.bmp", {48, 32, 24, 0}},  {"motor_rev.bmp", {48, 32, 24, 0}},
      {"FAN.BMP", {32, 32, 24, 0}},
  };
  int seen = 0;
  for (const auto& folder : fs::directory_iterator(TovelsDir)) {
    if (!folder.is_directory()) continue;
    for (const auto& file : fs::directory_iterator(folder.path())) {
      std::string extension = file.path().extension().string();
      std::transform(extension.begin(), extension.end(), extension.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      if (extension != ".bmp") continue;
      ++seen;
      const BmpReadResult result = ReadBmpHeader(ReadAll(file.path()));
      ASSERT_TRUE(result.Info.has_value()) << file.path() << ": " << result.Problem;
      const auto it = expected.find(file.path().filename().string());
      ASSERT_NE(it, expected.end()) << "unexpected sample " << file.path();
      const Expected want = it->second;
      const ColourPalette palette = MakePalette(*result.Info);
      EXPECT_EQ(result.Info->Width, want.Width) << file.path();
      EXPECT_EQ(result.Info->Height, want.Height) << file.path();
      EXPECT_EQ(result.Info->BitsPerPixel, want.Bits) << file.path();
      EXPECT_FALSE(result.Info->TopDown) << file.path();
      EXPECT_EQ(palette.Halftone, want.Colours == 0) << file.path();
      EXPECT_EQ(palette.Entries.size(), static_cast<std::size_t>(want.Colours)) << file.path();
    }
  }
  EXPECT_EQ(seen, static_cast<int>(expected.size()));
}

TEST(SampleBitmaps, SampleTovelsNamePicturesThatFitTheirItems)
{
  int foldersUsed = 0;
  for (const char* name : {"Lighthouse", "PumpHouse", "Conveyor"}) {
    SCOPED_TRACE(name);
    ResetTovel();
    const auto bytes = ReadAll(TovelsDir / name);
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::vector<std::string> lines = Split(text.substr(0, text.size() - 2), "\r\n");
    for (const std::string& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos);

    const std::vector<std::string> counts = Split(lines[0], ";");
    const int items = std::stoi(counts.at(0));
    BitmapCount = std::stoi(counts.at(1));
    ASSERT_EQ(lines.size(), 34u + static_cast<std::size_t>(items));
    ASSERT_LE(BitmapCount, MaxBitmaps);
    const std::vector<std::string> names = Split(lines[1], ";");
    ASSERT_EQ(names.size(), static_cast<std::size_t>(BitmapCount) + 1); // last one after ';'
    std::map<std::string, bool> folders;
    for (int i = 0; i < BitmapCount; ++i) {
      BitmapNames[i] = names[i];
      std::string folder = names[i].substr(0, names[i].find('\\'));
      std::transform(folder.begin(), folder.end(), folder.begin(),
                     [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
      folders[folder] = true;
    }
    foldersUsed = std::max(foldersUsed, static_cast<int>(folders.size()));

    TovelsFolder = TovelsDir.string();
    EXPECT_EQ(LoadAllBitmapSlots(), std::vector<std::string>{});
    for (int i = 0; i < items; ++i) {
      std::string line = lines[2 + i];
      ASSERT_EQ(line.back(), ';');
      const std::vector<std::string> fields = Split(line.substr(0, line.size() - 1), ",");
      ASSERT_EQ(fields.size(), 9u) << line;
      const int left = std::stoi(fields[0]), top = std::stoi(fields[1]);
      const int right = std::stoi(fields[2]), bottom = std::stoi(fields[3]);
      EXPECT_TRUE(0 <= left && left < right && right <= 400) << line;
      EXPECT_TRUE(0 <= top && top < bottom && bottom <= 320) << line;
      if (std::stoi(fields[4]) & FlagText) continue;
      for (int state = 0; state < 4; ++state) {
        const int slot = std::stoi(fields[5 + state]);
        if (slot < 0) continue;
        ASSERT_LT(slot, BitmapCount) << line;
        EXPECT_EQ(right - left, BitmapImages[slot].Width) << line;
        EXPECT_EQ(bottom - top, BitmapImages[slot].Height) << line;
      }
    }
  }
  EXPECT_EQ(foldersUsed, 3); // one sample uses lamps, pumps and motors
  ResetTovel();
  TovelsFolder.clear();
}
