#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "common/TextLines.h"
#include "model/AcornTovel.h"
#include "model/TovelFile.h"

namespace {

std::vector<std::string> LfLines(const std::string& text)
{
  return SplitLines(text, '\n');
}

// The tables part of the native file, with its CR LF turned into LF.
std::string NativeTablesWithLf(const TovelTables& tables)
{
  std::string native = FormatTovel(tables);
  native.erase(std::remove(native.begin(), native.end(), '\r'), native.end());
  auto lines = LfLines(native);
  std::string tail;
  for (std::size_t i = lines.size() - 32; i < lines.size(); ++i) tail += lines[i] + "\n";
  return tail;
}

} // namespace

TEST(AcornTovel, EmptyTovelHasHeaderAndTheNativeTables)
{
  TovelTables tables = EmptyTables();
  const std::string file = FormatAcornTovel(tables, "", 0);
  const auto lines = LfLines(file);
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[0], ";0;0;");
  EXPECT_EQ(file.find('\r'), std::string::npos);
  EXPECT_EQ(file.substr(file.find('\n') + 1), NativeTablesWithLf(tables));

  // Links that are set come out exactly as the native file writes them.
  tables.InputLinks[0][0] = 3;
  tables.InputLinks[7][2] = 5;
  tables.OutputLinks[2][1] = 4;
  tables.ValueLinks[3][1] = 12;
  tables.MotorLinks[1][3] = 8;
  tables.VariableLinks[7] = 29;
  const std::string withLinks = FormatAcornTovel(tables, "Sprites", 1024000);
  EXPECT_EQ(LfLines(withLinks)[0], "Sprites;0;1024000;");
  EXPECT_EQ(withLinks.substr(withLinks.find('\n') + 1), NativeTablesWithLf(tables));
  EXPECT_NE(withLinks.find("\n3,-1,-1;\n"), std::string::npos);
  EXPECT_NE(withLinks.find("\n29;\n"), std::string::npos);
}

TEST(AcornTovel, ItemRectanglesAreDoubledWithYUpwards)
{
  TovelTables tables = EmptyTables();
  tables.ItemCount = 3;
  tables.ItemTable[0] = {10, 20, 58, 52, FlagClickable, 0, {"-1", "-1", "-1", "-1"}};
  tables.ItemTable[1] = {0, 0, 0, 0, FlagText | FlagLabel, 0, {"in 1", "-1", "-1", "-1"}};
  // Extreme values that a file may hold are written without overflowing.
  tables.ItemTable[2] = {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, {"-1", "-1", "-1", "-1"}};
  const auto lines = LfLines(FormatAcornTovel(tables, "Dir", 7));
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_EQ(lines[0], "Dir;3;7;");
  EXPECT_EQ(lines[1], "20,-104,116,-40,1,0,0,0,0;");
  EXPECT_EQ(lines[2], "0,0,0,0,18,in 1,0,0,0;");
  EXPECT_EQ(lines[3], "-4294967296,-4294967294,4294967294,4294967296,0,0,0,0,0;");
}

TEST(AcornTovel, ContentsBecomeSpriteNamesOrZero)
{
  TovelTables tables = EmptyTables();
  tables.BitmapCount = 2;
  tables.BitmapNames[0] = "pumps\\pump_off.bmp";
  tables.BitmapNames[1] = "lamps\\lamp.on.bmp";
  tables.BitmapNames[2] = "stale\\left_over.bmp"; // beyond BitmapCount
  tables.ItemCount = 3;
  tables.ItemTable[0] = {0, 0, 48, 32, FlagClickable, 0, {"0", "1", "-1", "1abc"}};
  tables.ItemTable[1] = {0, 0, 48, 32, 0, 0, {"-5", "2", "x", "19"}};
  tables.ItemTable[2] = {0, 0, 90, 20, FlagText, 0, {"1", "-1", " -2 text ", ""}};
  const auto lines = LfLines(FormatAcornTovel(tables, "", 0));
  ASSERT_EQ(lines.size(), 36u);
  // Bitmap numbers name sprites; "1abc" reads as 1 as numbers always do.
  EXPECT_EQ(lines[1], "0,-64,96,0,1,pump_off,lamp.on,0,lamp.on;");
  // Negative, at or above BitmapCount: "0". "x" reads as 0, a real bitmap.
  EXPECT_EQ(lines[2], "0,-64,96,0,0,0,0,pump_off,0;");
  // A text that looks like a number stays text; only "-1" becomes "0".
  EXPECT_EQ(lines[3], "0,-40,180,0,2,1,0, -2 text ,;");
  EXPECT_EQ(AcornContentsField(tables, tables.ItemTable[2], "-1 "), "-1 ");
}

TEST(AcornTovel, SpriteNameIsTheFileNameWithoutFolderAndExtension)
{
  EXPECT_EQ(SpriteName("pumps\\pump.bmp"), "pump");
  EXPECT_EQ(SpriteName("pump.bmp"), "pump");
  EXPECT_EQ(SpriteName("a\\b\\c.d.bmp"), "c.d");
  EXPECT_EQ(SpriteName("lamps\\lamp"), "");
  EXPECT_EQ(SpriteName("dot.ted\\noext"), "");
  EXPECT_EQ(SpriteName("noext"), "");
  EXPECT_EQ(SpriteName("lamps\\.bmp"), "");
  EXPECT_EQ(SpriteName(""), "");
  EXPECT_EQ(SpriteName("\\x.bmp"), "x");
}

TEST(AcornTovel, DetailsAreCheckedInOrder)
{
  const std::string tooLong = "Please enter no more than 10 characters.";
  const std::string notNumber = "Please enter a positive integer.";
  const std::string tooLarge = "Please enter an integer between 0 and 1024000.";
  std::uint32_t size = 99;
  SpritesCheck failed{};

  EXPECT_EQ(SpritesDetailsProblem("", "0", &size), std::nullopt);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(SpritesDetailsProblem("ABCDEFGHIJ", "1024000", &size), std::nullopt);
  EXPECT_EQ(size, 1024000u);
  EXPECT_EQ(SpritesDetailsProblem("x", "12 \t ", &size), std::nullopt);
  EXPECT_EQ(size, 12u);
  EXPECT_EQ(SpritesDetailsProblem("x", "007", &size), std::nullopt);
  EXPECT_EQ(size, 7u);

  // The directory is checked first, even when the size is bad as well.
  EXPECT_EQ(SpritesDetailsProblem("ABCDEFGHIJK", "", &size, &failed), tooLong);
  EXPECT_EQ(failed, SpritesCheck::DirectoryTooLong);
  EXPECT_EQ(SpritesDetailsProblem("ABCDEFGHIJK", "0", &size), tooLong);

  // Separators of the file's first line are refused in the directory.
  for (const char* breaking : {"A;B", "A,B", "A\nB", "A\rB"}) {
    EXPECT_TRUE(SpritesDetailsProblem(breaking, "0", &size, &failed)) << breaking;
    EXPECT_EQ(failed, SpritesCheck::DirectorySeparator) << breaking;
  }

  for (const char* bad : {"", " ", " 5", "5x", "5 x", "-1", "+1", "1.5", "\t"}) {
    EXPECT_EQ(SpritesDetailsProblem("ABCDEFGHIJ", bad, &size, &failed), notNumber) << bad;
    EXPECT_EQ(failed, SpritesCheck::SizeNotANumber) << bad;
  }

  for (const char* large : {"1024001", "4294967296", "99999999999999999999999", "2000000 "}) {
    EXPECT_EQ(SpritesDetailsProblem("", large, &size, &failed), tooLarge) << large;
    EXPECT_EQ(failed, SpritesCheck::SizeTooLarge) << large;
  }
  // A failed check leaves the size as it was.
  size = 5;
  SpritesDetailsProblem("", "1024001", &size);
  EXPECT_EQ(size, 5u);
}
