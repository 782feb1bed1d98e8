#include <gtest/gtest.h>

#include <stdexcept>

#include "connections/ConnectionTexts.h"

namespace {

// Tables whose every link entry holds a different number, so that an entry
// read from or written to the wrong place shows.
TovelTables NumberedTables()
{
  TovelTables tables;
  int next = 100;
  for (auto& row : tables.InputLinks)
    for (int& entry : row) entry = next++;
  for (auto& row : tables.OutputLinks)
    for (int& entry : row) entry = next++;
  for (auto& row : tables.ValueLinks)
    for (int& entry : row) entry = next++;
  for (auto& row : tables.MotorLinks)
    for (int& entry : row) entry = next++;
  for (int& entry : tables.VariableLinks) entry = next++;
  return tables;
}

} // namespace

TEST(ConnectionTexts, EntriesBecomeTextsAndBack)
{
  EXPECT_EQ(EntryText(-1), "");
  EXPECT_EQ(EntryText(-3), "");
  EXPECT_EQ(EntryText(0), "0");
  EXPECT_EQ(EntryText(29), "29");
  EXPECT_EQ(EntryText(1234567), "1234567");

  EXPECT_EQ(EntryFromText(""), -1);
  EXPECT_EQ(EntryFromText(" "), 0);
  EXPECT_EQ(EntryFromText("x"), 0);
  EXPECT_EQ(EntryFromText("12ab"), 12);
  EXPECT_EQ(EntryFromText("-3"), -3);
  EXPECT_EQ(EntryFromText("  +7 "), 7);
  EXPECT_EQ(EntryFromText("0"), 0);
  EXPECT_EQ(EntryFromText("99999999999"), 2147483647);

  // A negative entry shows as an empty box, which stores -1 when read back.
  EXPECT_EQ(EntryFromText(EntryText(EntryFromText("-3"))), -1);
}

TEST(ConnectionTexts, EveryEntryHasItsOwnText)
{
  const TovelTables tables = NumberedTables();
  const ConnectionTexts texts = TextsFromTables(tables);
  EXPECT_EQ(texts.Inputs[0][0], "100");
  EXPECT_EQ(texts.Inputs[2][1], "107");
  EXPECT_EQ(texts.Inputs[7][2], "123");
  EXPECT_EQ(texts.Outputs[0][0], "124");
  EXPECT_EQ(texts.Outputs[7][2], "147");
  EXPECT_EQ(texts.Values[1][1], "151");
  EXPECT_EQ(texts.Motors[0][3], "159");
  EXPECT_EQ(texts.Motors[3][2], "170");
  EXPECT_EQ(texts.Variables[0], "172");
  EXPECT_EQ(texts.Variables[7], "179");

  TovelTables cleared;
  cleared.ClearLinks();
  cleared.InputLinks[4][0] = 0;
  const ConnectionTexts empty = TextsFromTables(cleared);
  EXPECT_EQ(empty.Inputs[4][0], "0");
  EXPECT_EQ(empty.Inputs[4][1], "");
  EXPECT_EQ(empty.Variables[3], "");
  EXPECT_EQ(empty.Motors[1][2], "");
}

TEST(ConnectionTexts, WritingBackSetsAllFiveTablesAndNothingElse)
{
  TovelTables tables = NumberedTables();
  tables.ItemCount = 2;
  tables.CurrentItem = 1;
  tables.BitmapCount = 1;
  tables.BitmapNames[0] = "lamps\\lamp.bmp";
  tables.ItemTable[1] = {1, 2, 3, 4, FlagText, 0, {"label", "-1", "-1", "-1"}};
  TovelTables expected = tables;

  // Unedited texts write back what was there.
  TablesFromTexts(TextsFromTables(tables), tables);
  EXPECT_EQ(tables, expected);

  ConnectionTexts texts = TextsFromTables(tables);
  texts.Inputs[2][1] = "5";
  texts.Outputs[0][2] = "";
  texts.Values[1][1] = "12ab";
  texts.Motors[3][3] = "x";
  texts.Motors[0][2] = "-3";
  texts.Variables[7] = " ";
  TablesFromTexts(texts, tables);
  expected.InputLinks[2][1] = 5;
  expected.OutputLinks[0][2] = -1;
  expected.ValueLinks[1][1] = 12;
  expected.MotorLinks[3][3] = 0;
  expected.MotorLinks[0][2] = -3;
  expected.VariableLinks[7] = 0;
  EXPECT_EQ(tables, expected);

  // Numbers beyond the items of the tovel are stored as typed.
  texts.Inputs[0][0] = "45";
  TablesFromTexts(texts, tables);
  EXPECT_EQ(tables.InputLinks[0][0], 45);
  EXPECT_EQ(tables.ItemCount, 2);
}

TEST(ConnectionTexts, GridCellsNameTheTableEntries)
{
  EXPECT_EQ(ConnectionRows(ConnectionTable::Inputs), 8);
  EXPECT_EQ(ConnectionColumns(ConnectionTable::Inputs), 3);
  EXPECT_EQ(ConnectionRows(ConnectionTable::Values), 4);
  EXPECT_EQ(ConnectionColumns(ConnectionTable::Values), 2);
  EXPECT_EQ(ConnectionRows(ConnectionTable::Motors), 4);
  EXPECT_EQ(ConnectionColumns(ConnectionTable::Motors), 4);
  EXPECT_EQ(ConnectionRows(ConnectionTable::Variables), 8);
  EXPECT_EQ(ConnectionColumns(ConnectionTable::Variables), 1);

  ConnectionTexts texts = TextsFromTables(NumberedTables());
  EXPECT_EQ(&ConnectionText(texts, ConnectionTable::Inputs, 2, 1), &texts.Inputs[2][1]);
  EXPECT_EQ(&ConnectionText(texts, ConnectionTable::Outputs, 7, 2), &texts.Outputs[7][2]);
  EXPECT_EQ(&ConnectionText(texts, ConnectionTable::Values, 1, 1), &texts.Values[1][1]);
  EXPECT_EQ(&ConnectionText(texts, ConnectionTable::Motors, 3, 0), &texts.Motors[3][0]);
  EXPECT_EQ(&ConnectionText(texts, ConnectionTable::Variables, 7, 0), &texts.Variables[7]);

  // Every cell of every grid is a different entry.
  int cells = 0;
  for (int t = 0; t < ConnectionTableCount; ++t) {
    const auto table = static_cast<ConnectionTable>(t);
    for (int r = 0; r < ConnectionRows(table); ++r)
      for (int k = 0; k < ConnectionColumns(table); ++k) {
        ConnectionText(texts, table, r, k) = "cell";
        ++cells;
      }
  }
  EXPECT_EQ(cells, 24 + 24 + 8 + 16 + 8);
  EXPECT_EQ(texts.Inputs[5][2], "cell");
  EXPECT_EQ(texts.Variables[0], "cell");

  EXPECT_THROW(ConnectionText(texts, ConnectionTable::Values, 4, 0), std::out_of_range);
  EXPECT_THROW(ConnectionText(texts, ConnectionTable::Values, 0, 2), std::out_of_range);
  EXPECT_THROW(ConnectionText(texts, ConnectionTable::Variables, 0, 1), std::out_of_range);
  EXPECT_THROW(ConnectionText(texts, ConnectionTable::Inputs, -1, 0), std::out_of_range);
  EXPECT_THROW(ConnectionText(texts, ConnectionTable::Motors, 0, -1), std::out_of_range);
}
