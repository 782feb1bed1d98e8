#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/TextLines.h"
#include "model/MacTovel.h"
#include "model/TovelFile.h"

namespace {

std::vector<std::string> CrLines(const std::string& text)
{
  return SplitLines(text, '\r');
}

// The native file's lines from `first` on, without line ends.
std::vector<std::string> NativeLinesFrom(const TovelTables& tables, std::size_t first)
{
  std::string native = FormatTovel(tables);
  native.erase(std::remove(native.begin(), native.end(), '\n'), native.end());
  auto lines = CrLines(native);
  return {lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end()};
}

} // namespace

TEST(MacTovel, MacintoshNameDropsTheExtensionAndMarksTheFolder)
{
  EXPECT_EQ(MacintoshName("pumps\\pump.bmp"), "pumps:pump");
  EXPECT_EQ(MacintoshName("Lamps\\Lamp_On.BMP"), "Lamps:Lamp_On");
  EXPECT_EQ(MacintoshName("a\\b\\c.bmp"), "a:b\\c");
  EXPECT_EQ(MacintoshName("pump.bmp"), "pump");
  EXPECT_EQ(MacintoshName("x.bmp"), "x");
  // Four characters or fewer leave nothing; the first '\' may be cut off.
  EXPECT_EQ(MacintoshName(".bmp"), "");
  EXPECT_EQ(MacintoshName("bmp"), "");
  EXPECT_EQ(MacintoshName(""), "");
  EXPECT_EQ(MacintoshName("ab\\cdef"), "ab:");
  EXPECT_EQ(MacintoshName("abcd\\xyz"), "abcd");
}

TEST(MacTovel, EmptyTovelHasNoBitmapLines)
{
  const TovelTables tables = EmptyTables();
  std::array<BitmapSlot, MaxBitmaps> images;
  const std::string file = FormatMacTovel(tables, images);
  const auto lines = CrLines(file);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[0], "0;0;");
  EXPECT_EQ(lines[1], "-1,-1,-1;");
  EXPECT_EQ(file.find('\n'), std::string::npos);
  // The native file has an empty names line where this form has none.
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), NativeLinesFrom(tables, 2));
}

TEST(MacTovel, BitmapsGetOwnLinesWithLoadedSizes)
{
  TovelTables tables = EmptyTables();
  tables.BitmapCount = 3;
  tables.BitmapNames[0] = "pumps\\pump_off.bmp";
  tables.BitmapNames[1] = "lamps\\lamp.bmp";
  tables.BitmapNames[2] = "lamps\\gone.bmp";
  tables.ItemCount = 2;
  tables.ItemTable[0] = {0, 0, 48, 32, FlagClickable, 0, {"0", "1", "-1", "-1"}};
  tables.ItemTable[1] = {0, 32, 35, 53, 59, 0, {"in 1", "-1", "-1", "-1"}};
  tables.InputLinks[0][0] = 0;
  tables.MotorLinks[3][2] = 6;
  tables.VariableLinks[0] = 1;

  std::array<BitmapSlot, MaxBitmaps> images;
  images[0].Width = 48;
  images[0].Height = 32;
  images[1].Width = 16;
  images[1].Height = 100;
  // Slot 2 could not be loaded: 0 x 0. Sizes beyond BitmapCount are unused.
  images[3].Width = 999;

  const std::string file = FormatMacTovel(tables, images);
  const auto lines = CrLines(file);
  ASSERT_EQ(lines.size(), 33u + 3u + 2u);
  EXPECT_EQ(lines[0], "2;3;");
  EXPECT_EQ(lines[1], "pumps:pump_off,48,32;");
  EXPECT_EQ(lines[2], "lamps:lamp,16,100;");
  EXPECT_EQ(lines[3], "lamps:gone,0,0;");
  // Items and tables are the native lines: pixels and bitmap numbers as held.
  EXPECT_EQ(lines[4], "0,0,48,32,1,0,1,-1,-1;");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()), NativeLinesFrom(tables, 2));
  EXPECT_EQ(file.find('\n'), std::string::npos);
  EXPECT_EQ(file.find("999"), std::string::npos);
}

TEST(MacTovel, LineFeedsAppearOnlyInsideStrings)
{
  TovelTables tables = EmptyTables();
  tables.ItemCount = 1;
  tables.ItemTable[0] = {1, 2, 3, 4, FlagText, 0, {"two\nlines", "-1", "-1", "-1"}};
  std::array<BitmapSlot, MaxBitmaps> images;
  const std::string file = FormatMacTovel(tables, images);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 1);
  EXPECT_NE(file.find("1,2,3,4,2,two\nlines,-1,-1,-1;\r"), std::string::npos);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\r'), 34);
}
