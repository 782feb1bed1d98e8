#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "common/TempFolder.h"
#include "model/LeadingNumber.h"
#include "model/TovelFile.h"

namespace {

// The 32 table lines of a tovel whose links are all -1, LF line ends.
std::string EmptyTableLines()
{
  std::string lines;
  for (int i = 0; i < 16; ++i) lines += "-1,-1,-1;\n";
  for (int i = 0; i < 4; ++i) lines += "-1,-1;\n";
  for (int i = 0; i < 4; ++i) lines += "-1,-1,-1,-1;\n";
  for (int i = 0; i < 8; ++i) lines += "-1;\n";
  return lines;
}

std::string CrLf(const std::string& text)
{
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TovelTables Parse(const std::string& bytes)
{
  auto result = ParseTovel(bytes);
  EXPECT_TRUE(result.Tables) << result.Problem;
  return result.Tables.value_or(TovelTables{});
}

} // namespace

TEST(LeadingNumber, ReadsAsTheStandardConversionDoes)
{
  EXPECT_EQ(LeadingNumber("42;"), 42);
  EXPECT_EQ(LeadingNumber("  \t-17,3"), -17);
  EXPECT_EQ(LeadingNumber("+8"), 8);
  EXPECT_EQ(LeadingNumber("12ab"), 12);
  EXPECT_EQ(LeadingNumber("ab12"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("-"), 0);
  EXPECT_EQ(LeadingNumber("\n"), 0);
  // Out of range values are clamped rather than overflowing.
  EXPECT_EQ(LeadingNumber("99999999999999999999"), INT_MAX);
  EXPECT_EQ(LeadingNumber("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(LeadingNumber("2147483647"), INT_MAX);
  EXPECT_EQ(LeadingNumber("-2147483648"), INT_MIN);
}

TEST(TovelFile, WritesTheDocumentedExample)
{
  TovelTables tables;
  tables.ClearLinks();
  tables.ItemCount = 2;
  tables.BitmapCount = 1;
  tables.BitmapNames[0] = "pumps\\pump.bmp";
  tables.ItemTable[0] = {0, 0, 48, 32, 1, 0, {"0", "-1", "-1", "-1"}};
  tables.ItemTable[1] = {0, 32, 35, 53, 59, 0, {"in 1", "-1", "-1", "-1"}};
  tables.InputLinks[0][0] = 0;
  // Slots beyond ItemCount and BitmapCount are not written.
  tables.ItemTable[2] = {9, 9, 9, 9, 9, 0, {"x", "x", "x", "x"}};
  tables.BitmapNames[1] = "stale\\name.bmp";

  const std::string text = FormatTovel(tables);
  const std::string expectedStart = "2;1;\r\n"
                                    "pumps\\pump.bmp;\r\n"
                                    "0,0,48,32,1,0,-1,-1,-1;\r\n"
                                    "0,32,35,53,59,in 1,-1,-1,-1;\r\n"
                                    "0,-1,-1;\r\n"
                                    "-1,-1,-1;\r\n";
  EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
  EXPECT_EQ(text.substr(text.size() - 10), "-1;\r\n-1;\r\n");
  // 34 + ItemCount lines, every one ended by CR LF and no bare LF anywhere.
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ++lines;
      ASSERT_GT(i, 0u);
      EXPECT_EQ(text[i - 1], '\r');
    }
  }
  EXPECT_EQ(lines, 36u);
}

TEST(TovelFile, RoundTripKeepsEverythingButStateAndSelection)
{
  TovelTables tables;
  tables.ClearLinks();
  tables.ItemCount = 3;
  tables.BitmapCount = 0;
  tables.CurrentItem = 2;
  tables.ItemTable[0] = {-5, 7, 100, 300, 0x7f, 3, {"", "  two spaces  ", "-1", "x"}};
  tables.ItemTable[1] = {1, 2, 3, 4, 2, -1, {"caf\xe9 \x80", "0", "0", "0"}};
  tables.ItemTable[2] = {INT_MIN, INT_MAX, 0, 0, 0, 1, {"19", "-1", "3", "-1"}};
  tables.InputLinks[7][2] = 5;
  tables.OutputLinks[3][1] = 2;
  tables.ValueLinks[1][0] = 0;
  tables.MotorLinks[2][3] = 4;
  tables.VariableLinks[6] = 1;

  TovelTables read = Parse(FormatTovel(tables));
  tables.CurrentItem = -1;
  for (int i = 0; i < 3; ++i) tables.ItemTable[i].State = 0;
  EXPECT_EQ(read, tables);
  // Writing what was read gives the same bytes again.
  EXPECT_EQ(FormatTovel(read), FormatTovel(tables));
}

TEST(TovelFile, NoBitmapsGiveAnEmptyNamesLineThatIsReadAndIgnored)
{
  TovelTables tables;
  tables.ClearLinks();
  const std::string text = FormatTovel(tables);
  EXPECT_EQ(text.substr(0, 8), "0;0;\r\n\r\n");
  // Whatever stands on the names line is ignored when no bitmap is named.
  TovelTables read = Parse(CrLf("0;0;\nleft over;\n" + EmptyTableLines()));
  EXPECT_EQ(read.BitmapCount, 0);
  EXPECT_EQ(read.BitmapNames[0], "");
  EXPECT_EQ(read.InputLinks[0][0], -1);
}

TEST(TovelFile, ReadsFieldsAsTheOlderEditionsWroteThem)
{
  // LF line ends, digits followed by letters, fields without digits, and
  // names followed by more than the counts say.
  const std::string text = "1;2;\n"
                           "a\\one.bmp;b\\two.bmp;c\\three.bmp;\n"
                           "12ab,x,-3,4,  9,p,,q,r;\n" +
                           EmptyTableLines() + "extra line\nanother\n";
  TovelTables read = Parse(text);
  EXPECT_EQ(read.BitmapNames[0], "a\\one.bmp");
  EXPECT_EQ(read.BitmapNames[1], "b\\two.bmp");
  EXPECT_EQ(read.BitmapNames[2], "");
  const TovelItem& item = read.ItemTable[0];
  EXPECT_EQ(item.Left, 12);
  EXPECT_EQ(item.Top, 0);
  EXPECT_EQ(item.Right, -3);
  EXPECT_EQ(item.Bottom, 4);
  EXPECT_EQ(item.Flags, 9);
  EXPECT_EQ(item.Contents, (std::array<std::string, 4>{"p", "", "q", "r"}));
  EXPECT_EQ(read.VariableLinks[7], -1);
}

TEST(TovelFile, ShortFileRepeatsItsLastLine)
{
  // Two items promised, one given: the second item and every table are read
  // from that same last line.
  const std::string text = "2;0;\n\n7,8,9,10,11,a,b,c,d;\n";
  TovelTables read = Parse(text);
  EXPECT_EQ(read.ItemTable[1], read.ItemTable[0]);
  EXPECT_EQ(read.ItemTable[1].Left, 7);
  EXPECT_EQ(read.InputLinks[0][0], 7);
  EXPECT_EQ(read.InputLinks[0][1], 8);
  EXPECT_EQ(read.InputLinks[0][2], 9);
  EXPECT_EQ(read.MotorLinks[3][3], 10);
  EXPECT_EQ(read.ValueLinks[2][1], 8);
  EXPECT_EQ(read.VariableLinks[7], 7);
  // A file of only the counts line reads its names from that line again.
  TovelTables counts = Parse("0;1;\n");
  EXPECT_EQ(counts.BitmapNames[0], "0");
}

TEST(TovelFile, LongLinesAreReadIn511ByteParts)
{
  // A name line of 510 characters and CR LF is still one line.
  const std::string name(509, 'n');
  TovelTables read = Parse(CrLf("0;1;\n" + name + ";\n" + EmptyTableLines()));
  EXPECT_EQ(read.BitmapNames[0], name);
  EXPECT_EQ(read.InputLinks[0][0], -1);
  EXPECT_EQ(read.VariableLinks[7], -1);

  // One character more and the line feed starts a line of its own: the
  // tables shift by one line.
  const std::string longer(511, 'n');
  TovelTables shifted = Parse("0;1;\n" + longer + ";\n" + EmptyTableLines());
  EXPECT_EQ(shifted.BitmapNames[0], longer); // no ';' within the first 511 bytes
  EXPECT_EQ(shifted.InputLinks[0][0], 0);    // read from the ";\n" rest
  EXPECT_EQ(shifted.InputLinks[1][0], -1);
}

TEST(TovelFile, MissingSeparatorsNeverReachPastTheLine)
{
  TovelTables read =
      Parse("2;1;\nno-semicolon\n5,6\n1,2,3,4,5,text-without-end\n" + EmptyTableLines());
  EXPECT_EQ(read.BitmapNames[0], "no-semicolon");
  EXPECT_EQ(read.ItemTable[0].Left, 5);
  EXPECT_EQ(read.ItemTable[0].Top, 6);
  EXPECT_EQ(read.ItemTable[0].Right, 0);
  EXPECT_EQ(read.ItemTable[0].Contents, (std::array<std::string, 4>{"", "", "", ""}));
  EXPECT_EQ(read.ItemTable[1].Contents[0], "text-without-end");
  EXPECT_EQ(read.ItemTable[1].Contents[1], "");
}

TEST(TovelFile, RefusesWhatTheTablesCannotHold)
{
  EXPECT_FALSE(ParseTovel("").Tables);
  for (const char* counts : {"31;0;\n", "-1;0;\n", "0;21;\n", "0;-2;\n", "99999999999;0;\n"}) {
    auto result = ParseTovel(std::string(counts) + "\n" + EmptyTableLines());
    EXPECT_FALSE(result.Tables) << counts;
    EXPECT_FALSE(result.Problem.empty());
  }
  EXPECT_TRUE(ParseTovel("30;20;\n").Tables);
}

TEST(TovelFile, ReadTovelChangesNothingWhenTheFileIsRefused)
{
  ResetTovel();
  ItemCount = 1;
  ItemTable[0] = {1, 2, 3, 4, 0, 0, {"keep", "-1", "-1", "-1"}};
  CurrentItem = 0;
  const TempFolder temp("tovel-read-test");
  const auto& folder = temp.Path();

  auto missing = ReadTovel(folder / "NoSuchTovel");
  ASSERT_TRUE(missing);
  EXPECT_NE(missing->find("NoSuchTovel was not found."), std::string::npos);
  EXPECT_EQ(ItemCount, 1);
  EXPECT_EQ(CurrentItem, 0);

  temp.Write("Empty", "");
  auto empty = ReadTovel(folder / "Empty");
  ASSERT_TRUE(empty);
  EXPECT_NE(empty->find("Empty"), std::string::npos);
  EXPECT_EQ(ItemTable[0].Contents[0], "keep");

  ItemCount = 0;
  temp.Write("Good", "1;0;\r\n\r\n5,5,9,9,2,new,-1,-1,-1;\r\n");
  EXPECT_FALSE(ReadTovel(folder / "Good"));
  EXPECT_EQ(ItemCount, 1);
  EXPECT_EQ(CurrentItem, -1);
  EXPECT_EQ(ItemTable[0].Contents[0], "new");
  ResetTovel();
}

TEST(TovelFile, FailedWriteLeavesThePreviousFile)
{
  const TempFolder temp("tovel-write-test");
  const auto& folder = temp.Path();
  ResetTovel();
  ItemCount = 1;
  ItemTable[0] = {1, 2, 3, 4, 2, 0, {"first", "-1", "-1", "-1"}};
  ASSERT_FALSE(WriteTovel(folder / "Keep"));

  // A folder that does not exist is reported as a bad path.
  auto bad = WriteTovel(folder / "missing" / "Keep");
  ASSERT_TRUE(bad);
  EXPECT_NE(bad->find("contains an invalid path"), std::string::npos);

  // Renaming over a folder fails: the message names the target, and no
  // temporary file is left behind.
  std::filesystem::create_directories(folder / "Dir" / "inside");
  EXPECT_TRUE(WriteTovel(folder / "Dir"));
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 2u); // Keep and Dir

  auto read = ReadTovelFile(folder / "Keep");
  ASSERT_TRUE(read.Tables);
  EXPECT_EQ(read.Tables->ItemTable[0].Contents[0], "first");
  ResetTovel();
}

TEST(TovelFile, LineLengthsMatchTheWrittenLines)
{
  TovelTables tables;
  tables.ClearLinks();
  tables.BitmapCount = 2;
  tables.BitmapNames[0] = "pumps\\pump.bmp";
  tables.BitmapNames[1] = "x.bmp";
  tables.BitmapNames[2] = "not counted beyond BitmapCount";
  tables.ItemCount = 3;
  tables.ItemTable[0] = {0, 0, 48, 32, 1, 0, {"0", "-1", "-1", "-1"}};
  tables.ItemTable[1] = {-2147483647 - 1, 2147483647, -5, 123, 127, 2, {"", "", "", ""}};
  tables.ItemTable[2] = {10, 20, 30, 40, 10, 0, {"some text", "1", "22", "-1"}};

  // Lines of the written file: counts, names, then one per item.
  std::vector<std::string> lines;
  const std::string text = FormatTovel(tables);
  for (std::size_t start = 0; start < text.size();) {
    const auto end = text.find("\r\n", start);
    ASSERT_NE(end, std::string::npos);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(NamesLineLength(tables), lines[1].size());
  EXPECT_EQ(NamesLineLength(tables), 21u);
  for (int slot = 0; slot < tables.ItemCount; ++slot)
    EXPECT_EQ(ItemLineLength(tables.ItemTable[slot]), lines[2 + slot].size()) << slot;

  tables.BitmapCount = 0;
  EXPECT_EQ(NamesLineLength(tables), 0u);
}

TEST(TovelFile, AnItemLineOfTheLongestLengthReadsBackWhole)
{
  TovelTables tables;
  tables.ClearLinks();
  tables.ItemCount = 1;
  TovelItem& item = tables.ItemTable[0];
  item = {1, 2, 3, 4, 10, 0, {"", "-1", "-1", "-1"}};
  item.Contents[0].assign(MaxTovelLineChars - ItemLineLength(item), 't');
  ASSERT_EQ(ItemLineLength(item), MaxTovelLineChars);
  EXPECT_EQ(Parse(FormatTovel(tables)), tables);

  // One more character and the item no longer survives a save.
  item.Contents[0] += 't';
  EXPECT_NE(Parse(FormatTovel(tables)), tables);
}

TEST(TovelFile, TablesWhoseLinesWouldNotReadBackAreNotSaved)
{
  const TempFolder temp("tovel-unstorable-test");
  const auto& folder = temp.Path();

  // A names line of 509 characters that names one bitmap of three: written
  // back with a separator for each of the three it would be 511 long, and
  // read back as two lines.
  const std::string names(508, 'n');
  TheTovel = Parse(CrLf("0;3;\n" + names + ";\n" + EmptyTableLines()));
  EXPECT_EQ(BitmapNames[0], names);
  EXPECT_EQ(BitmapNames[2], "");
  auto problem = UnstorableLine(TheTovel);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("bitmap names"), std::string::npos);
  EXPECT_EQ(WriteTovel(folder / "Names"), problem);
  EXPECT_FALSE(std::filesystem::exists(folder / "Names"));

  // An item line that reads in 511 bytes but gains a character for each
  // empty number when written.
  ResetTovel();
  const std::string text(494, 't');
  TheTovel = Parse(CrLf("1;0;\n\n,,,,," + text + ",-1,-1,-1;\n" + EmptyTableLines()));
  problem = UnstorableLine(TheTovel);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("item 0"), std::string::npos);
  EXPECT_TRUE(WriteTovel(folder / "Item"));
  EXPECT_FALSE(std::filesystem::exists(folder / "Item"));

  // Shortening the text makes it storable again.
  ItemTable[0].Contents[0].resize(480);
  EXPECT_FALSE(UnstorableLine(TheTovel));
  EXPECT_FALSE(WriteTovel(folder / "Item"));
  ResetTovel();
}
