#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "connections/NewConnection.h"
#include "model/Tovel.h"

namespace {

constexpr int LabelBits = FlagClickable | FlagText | FlagFilled | FlagLabel;

// Tables with `count` picture items named by their first picture "pN", no
// labels and no links.
TovelTables WithItems(int count)
{
  TovelTables tables;
  tables.ClearLinks();
  for (int i = 0; i < count; ++i)
    tables.ItemTable[i] = {i, i, 10 + i, 10 + i, FlagClickable, 0, {"p" + std::to_string(i)}};
  tables.ItemCount = count;
  return tables;
}

ConnectionRequest Numbered(ConnectionKind kind, int number)
{
  ConnectionRequest request;
  request.Kind = kind;
  request.Number = number;
  return request;
}

ConnectionRequest Lettered(ConnectionKind kind, std::string letter)
{
  ConnectionRequest request;
  request.Kind = kind;
  request.Letter = std::move(letter);
  return request;
}

class NewConnection : public ::testing::Test {
protected:
  // Slot k of the pictures, w x h pixels.
  void Picture(int k, int w, int h)
  {
    m_images[k].Width = w;
    m_images[k].Height = h;
    m_tables.BitmapCount = std::max(m_tables.BitmapCount, k + 1);
  }
  int Add(const ConnectionRequest& request)
  {
    return AddConnectionItems(m_tables, m_images, request);
  }

  TovelTables m_tables = WithItems(0);
  std::array<BitmapSlot, MaxBitmaps> m_images;
};

} // namespace

TEST_F(NewConnection, DialogsProposeTheFirstConnectionWithoutItems)
{
  EXPECT_EQ(DefaultInputNumber(m_tables), 1);
  EXPECT_EQ(DefaultOutputNumber(m_tables), 1);
  EXPECT_EQ(DefaultValueNumber(m_tables), 1);
  EXPECT_EQ(DefaultMotorLetter(m_tables), "a");
  EXPECT_EQ(DefaultVariableLetter(m_tables), "a");

  // A taken first entry passes a row over, even when its second is free.
  m_tables.InputLinks[0][0] = 4;
  m_tables.InputLinks[1][0] = 5;
  m_tables.InputLinks[2][1] = 6; // only the second entry: still proposed
  m_tables.OutputLinks[0][0] = 1;
  m_tables.MotorLinks[0][0] = 2;
  m_tables.MotorLinks[1][0] = 3;
  m_tables.MotorLinks[2][2] = 1; // a switch-off input does not count
  EXPECT_EQ(DefaultInputNumber(m_tables), 3);
  EXPECT_EQ(DefaultOutputNumber(m_tables), 2);
  EXPECT_EQ(DefaultMotorLetter(m_tables), "c");

  // A value counts as used when either of its entries is.
  m_tables.ValueLinks[0][1] = 7;
  m_tables.ValueLinks[1][0] = 8;
  EXPECT_EQ(DefaultValueNumber(m_tables), 3);

  // Variables go a, b, c, d, n, x, y, z.
  for (int i = 0; i < 4; ++i) m_tables.VariableLinks[i] = i;
  EXPECT_EQ(DefaultVariableLetter(m_tables), "n");
  m_tables.VariableLinks[4] = 0;
  m_tables.VariableLinks[5] = 0;
  EXPECT_EQ(DefaultVariableLetter(m_tables), "y");

  // All used: the first of all.
  for (auto& row : m_tables.InputLinks) row[0] = 0;
  for (auto& row : m_tables.OutputLinks) row[0] = 0;
  for (auto& row : m_tables.ValueLinks) row[0] = 0;
  for (auto& row : m_tables.MotorLinks) row[0] = 0;
  for (int& entry : m_tables.VariableLinks) entry = 0;
  EXPECT_EQ(DefaultInputNumber(m_tables), 1);
  EXPECT_EQ(DefaultOutputNumber(m_tables), 1);
  EXPECT_EQ(DefaultValueNumber(m_tables), 1);
  EXPECT_EQ(DefaultMotorLetter(m_tables), "a");
  EXPECT_EQ(DefaultVariableLetter(m_tables), "a");
}

TEST_F(NewConnection, NewInputInAnEmptyTovel)
{
  ASSERT_EQ(Add(Numbered(ConnectionKind::Input, 1)), 0);
  ASSERT_EQ(m_tables.ItemCount, 2);
  EXPECT_EQ(m_tables.ItemTable[0],
            (TovelItem{0, 0, 0, 0, FlagClickable, 0, {"-1", "-1", "-1", "-1"}}));
  EXPECT_EQ(m_tables.ItemTable[1],
            (TovelItem{0, 0, 35, 21, LabelBits | FlagYellow, 0, {"in 1", "-1", "-1", "-1"}}));
  EXPECT_EQ(m_tables.InputLinks[0][0], 0);
  EXPECT_EQ(m_tables.InputLinks[0][1], -1);
  EXPECT_EQ(m_tables.CurrentItem, -1) << "the window selects the new item";
}

TEST_F(NewConnection, PictureItemsTakeTheirPicturesSizeAndFirstPicture)
{
  Picture(0, 40, 10);
  Picture(1, 20, 30);
  Picture(2, 300, 300);
  m_tables.BitmapCount = 2; // slot 2 is not in use

  ConnectionRequest input = Numbered(ConnectionKind::Input, 2);
  input.Pictures = {"0", "1", "2", "2"}; // an input has no third or fourth picture
  TovelItem item = ConnectionDisplayItem(input, m_images, m_tables.BitmapCount);
  EXPECT_EQ(item, (TovelItem{0, 0, 40, 30, FlagClickable, 0, {"0", "1", "-1", "-1"}}));
  EXPECT_EQ(ConnectionLabel(input, item.Bottom),
            (TovelItem{0, 30, 35, 51, LabelBits | FlagYellow, 0, {"in 2", "-1", "-1", "-1"}}));

  // Only the ON picture: the item starts on.
  input.Pictures = {"-1", "1", "-1", "-1"};
  item = ConnectionDisplayItem(input, m_images, m_tables.BitmapCount);
  EXPECT_EQ(item.State, 1);
  EXPECT_EQ(item.Right, 20);
  EXPECT_EQ(item.Bottom, 30);
  // A slot beyond the tovel's bitmaps adds no size.
  input.Pictures = {"2", "-1", "-1", "-1"};
  item = ConnectionDisplayItem(input, m_images, m_tables.BitmapCount);
  EXPECT_EQ(item.Right, 0);
  EXPECT_EQ(item.State, 0);

  ConnectionRequest output = Numbered(ConnectionKind::Output, 8);
  output.Pictures = {"-1", "-1", "-1", "-1"};
  item = ConnectionDisplayItem(output, m_images, m_tables.BitmapCount);
  EXPECT_EQ(item, (TovelItem{0, 0, 0, 0, FlagClickable, 0, {"-1", "-1", "-1", "-1"}}));
  EXPECT_EQ(ConnectionLabel(output, 0),
            (TovelItem{0, 0, 50, 21, LabelBits, 0, {"out 8", "-1", "-1", "-1"}}));

  // A motor starts on the first picture it has, in the order OFF, FD, OFF,
  // REV.
  ConnectionRequest motor = Lettered(ConnectionKind::Motor, "d");
  item = ConnectionDisplayItem(motor, m_images, m_tables.BitmapCount);
  EXPECT_EQ(item, (TovelItem{0, 0, 0, 0, FlagClickable, 0, {"-1", "-1", "-1", "-1"}}));
  motor.Pictures = {"-1", "-1", "-1", "1"};
  EXPECT_EQ(ConnectionDisplayItem(motor, m_images, m_tables.BitmapCount).State, 3);
  motor.Pictures = {"-1", "0", "1", "1"};
  item = ConnectionDisplayItem(motor, m_images, m_tables.BitmapCount);
  EXPECT_EQ(item, (TovelItem{0, 0, 40, 30, FlagClickable, 1, {"-1", "0", "1", "1"}}));
  EXPECT_EQ(ConnectionLabel(motor, item.Bottom),
            (TovelItem{0, 30, 50, 51, LabelBits, 0, {"mot d", "-1", "-1", "-1"}}));
}

TEST_F(NewConnection, ValuesAndVariablesAreBoxedNumbersWithYellowLabels)
{
  ConnectionRequest value = Numbered(ConnectionKind::Value, 4);
  value.Pictures = {"0", "0", "0", "0"}; // ignored
  const TovelItem box{
      0, 21, 40, 42, FlagClickable | FlagText | FlagFilled, 0, {"0", "0", "0", "0"}};
  EXPECT_EQ(ConnectionDisplayItem(value, m_images, m_tables.BitmapCount), box);
  EXPECT_EQ(ConnectionLabel(value, 42),
            (TovelItem{0, 0, 40, 21, LabelBits | FlagYellow, 0, {"val 4", "-1", "-1", "-1"}}));

  const ConnectionRequest variable = Lettered(ConnectionKind::Variable, "q");
  EXPECT_EQ(ConnectionDisplayItem(variable, m_images, m_tables.BitmapCount), box);
  EXPECT_EQ(ConnectionLabel(variable, 42).Contents[0], "var q");
  EXPECT_EQ(ConnectionLabel(Lettered(ConnectionKind::Variable, ""), 42).Contents[0], "var ");
}

TEST_F(NewConnection, LinksFillTheFreeEntryOrReplaceTheLastOne)
{
  m_tables = WithItems(6);
  const auto input = Numbered(ConnectionKind::Input, 3);
  EXPECT_EQ(ConnectionFullQuestion(ConnectionKind::Input),
            "There are already two items for this input, continue, replacing the latter one?");
  EXPECT_FALSE(ConnectionRowFull(m_tables, input));
  EXPECT_EQ(Add(input), 6);
  EXPECT_EQ(m_tables.InputLinks[2][0], 6);
  EXPECT_FALSE(ConnectionRowFull(m_tables, input));
  // The second item goes before the first item's label.
  EXPECT_EQ(Add(input), 7);
  EXPECT_EQ(m_tables.InputLinks[2][0], 6);
  EXPECT_EQ(m_tables.InputLinks[2][1], 7);
  EXPECT_TRUE(ConnectionRowFull(m_tables, input));
  // Full: the second entry moves to the newest item, the first stays, and
  // the item it named stays in the table.
  EXPECT_EQ(Add(input), 8);
  EXPECT_EQ(m_tables.InputLinks[2][0], 6);
  EXPECT_EQ(m_tables.InputLinks[2][1], 8);
  EXPECT_EQ(m_tables.ItemCount, 12);
  EXPECT_EQ(m_tables.ItemTable[7].Flags, FlagClickable);
  EXPECT_EQ(m_tables.InputLinks[2][2], -1) << "the switch-off input is not touched";

  // An output takes three; the third is the one replaced.
  const auto output = Numbered(ConnectionKind::Output, 1);
  EXPECT_EQ(ConnectionFullQuestion(ConnectionKind::Output),
            "There are already three items for this output, continue, replacing the latter one?");
  m_tables.OutputLinks[0][0] = 0;
  m_tables.OutputLinks[0][2] = 1;
  EXPECT_FALSE(ConnectionRowFull(m_tables, output));
  const int second = Add(output);
  EXPECT_EQ(m_tables.OutputLinks[0][1], second);
  EXPECT_TRUE(ConnectionRowFull(m_tables, output));
  const int third = Add(output);
  EXPECT_EQ(m_tables.OutputLinks[0][0], 0);
  EXPECT_EQ(m_tables.OutputLinks[0][1], second);
  EXPECT_EQ(m_tables.OutputLinks[0][2], third);

  // A motor: the first two entries only.
  const auto motor = Lettered(ConnectionKind::Motor, "b");
  EXPECT_EQ(ConnectionFullQuestion(ConnectionKind::Motor),
            "There are already two items for this motor, continue, replacing the latter one?");
  m_tables.MotorLinks[1][0] = 2;
  EXPECT_FALSE(ConnectionRowFull(m_tables, motor));
  const int motorItem = Add(motor);
  EXPECT_EQ(m_tables.MotorLinks[1][0], 2);
  EXPECT_EQ(m_tables.MotorLinks[1][1], motorItem);
  EXPECT_TRUE(ConnectionRowFull(m_tables, motor));
  EXPECT_EQ(m_tables.MotorLinks[1][2], -1);
  EXPECT_EQ(m_tables.MotorLinks[1][3], -1);
}

TEST_F(NewConnection, ValuesAndVariablesAreNeverFullAndOverwriteTheirEntry)
{
  m_tables = WithItems(3);
  auto value = Numbered(ConnectionKind::Value, 2);
  m_tables.ValueLinks[1][0] = 0;
  m_tables.ValueLinks[1][1] = 1;
  EXPECT_FALSE(ConnectionRowFull(m_tables, value));
  EXPECT_TRUE(ConnectionFullQuestion(ConnectionKind::Value).empty());
  value.OneLessPlace = true;
  EXPECT_EQ(Add(value), 3);
  EXPECT_EQ(m_tables.ValueLinks[1][0], 0);
  EXPECT_EQ(m_tables.ValueLinks[1][1], 3);
  value.OneLessPlace = false;
  EXPECT_EQ(Add(value), 4) << "before the first label, the value's own";
  EXPECT_EQ(m_tables.ValueLinks[1][0], 4);
  EXPECT_EQ(m_tables.ValueLinks[1][1], 3);

  // Letters: z is the last variable; a taken variable is overwritten.
  m_tables.VariableLinks[0] = 1;
  EXPECT_FALSE(ConnectionRowFull(m_tables, Lettered(ConnectionKind::Variable, "a")));
  EXPECT_TRUE(ConnectionFullQuestion(ConnectionKind::Variable).empty());
  const int z = Add(Lettered(ConnectionKind::Variable, "z"));
  EXPECT_EQ(m_tables.VariableLinks[7], z);
  const int a = Add(Lettered(ConnectionKind::Variable, "a"));
  EXPECT_EQ(m_tables.VariableLinks[0], a);
  EXPECT_EQ(VariableRow("n"), 4);
}

TEST_F(NewConnection, DisplayItemGoesBeforeTheLabelsAndLinksFollowTheirItems)
{
  m_tables = WithItems(5);
  m_tables.ItemTable[3].Flags = LabelBits;
  m_tables.ItemTable[4].Flags = FlagLabel;
  m_tables.ItemTable[4].Contents[0] = "second label";
  m_tables.ItemTable[2].Flags = FlagYellow; // not a label
  EXPECT_EQ(ConnectionInsertPosition(m_tables), 3);
  m_tables.CurrentItem = 4;
  // Links to items before and after the insertion position, and switch-off
  // inputs that hold numbers as large.
  m_tables.InputLinks[0][0] = 2;
  m_tables.InputLinks[0][1] = 3;
  m_tables.InputLinks[0][2] = 4;
  m_tables.OutputLinks[1][2] = 4;
  m_tables.ValueLinks[3][1] = 3;
  m_tables.MotorLinks[2][0] = 4;
  m_tables.MotorLinks[2][1] = 1;
  m_tables.MotorLinks[2][2] = 3;
  m_tables.MotorLinks[2][3] = 5;
  m_tables.VariableLinks[6] = 3;
  const TovelTables before = m_tables;

  ASSERT_EQ(Add(Numbered(ConnectionKind::Output, 5)), 3);
  ASSERT_EQ(m_tables.ItemCount, 7);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(m_tables.ItemTable[i], before.ItemTable[i]);
  EXPECT_EQ(m_tables.ItemTable[4], before.ItemTable[3]);
  EXPECT_EQ(m_tables.ItemTable[5], before.ItemTable[4]);
  EXPECT_EQ(m_tables.ItemTable[6].Contents[0], "out 5");
  EXPECT_EQ(m_tables.OutputLinks[4][0], 3);
  EXPECT_EQ(m_tables.CurrentItem, 5) << "the selection stays on its item";

  EXPECT_EQ(m_tables.InputLinks[0][0], 2);
  EXPECT_EQ(m_tables.InputLinks[0][1], 4);
  EXPECT_EQ(m_tables.InputLinks[0][2], 4);
  EXPECT_EQ(m_tables.OutputLinks[1][2], 5);
  EXPECT_EQ(m_tables.ValueLinks[3][1], 4);
  EXPECT_EQ(m_tables.MotorLinks[2][0], 5);
  EXPECT_EQ(m_tables.MotorLinks[2][1], 1);
  EXPECT_EQ(m_tables.MotorLinks[2][2], 3);
  EXPECT_EQ(m_tables.MotorLinks[2][3], 5);
  EXPECT_EQ(m_tables.VariableLinks[6], 4);
  EXPECT_EQ(m_tables.VariableLinks[5], -1);

  // Without labels the display item goes at the end.
  m_tables = WithItems(4);
  EXPECT_EQ(ConnectionInsertPosition(m_tables), 4);
}

TEST_F(NewConnection, RequestsThatCannotBeMetChangeNothing)
{
  m_tables = WithItems(29);
  m_tables.ItemTable[28].Flags = FlagLabel;
  TovelTables before = m_tables;
  EXPECT_EQ(Add(Numbered(ConnectionKind::Input, 1)), -1) << "one slot free";
  EXPECT_EQ(m_tables, before);

  m_tables = WithItems(28);
  before = m_tables;
  EXPECT_EQ(Add(Numbered(ConnectionKind::Input, 0)), -1);
  EXPECT_EQ(Add(Numbered(ConnectionKind::Output, 9)), -1);
  EXPECT_EQ(Add(Numbered(ConnectionKind::Value, 5)), -1);
  EXPECT_EQ(Add(Lettered(ConnectionKind::Motor, "e")), -1);
  EXPECT_EQ(Add(Lettered(ConnectionKind::Motor, "A")), -1);
  EXPECT_EQ(Add(Lettered(ConnectionKind::Motor, "")), -1);
  // Only the eight variable letters name a variable: no other entry may
  // take variable a's place.
  for (const char* letter : {"q", "B", "", "ab"})
    EXPECT_EQ(Add(Lettered(ConnectionKind::Variable, letter)), -1) << letter;
  EXPECT_FALSE(ConnectionRowFull(m_tables, Lettered(ConnectionKind::Motor, "e")));
  EXPECT_EQ(m_tables, before);
  // Two free slots are enough.
  EXPECT_EQ(Add(Lettered(ConnectionKind::Motor, "a")), 28);
  EXPECT_EQ(m_tables.ItemCount, 30);
}

TEST(NewConnectionFields, NumbersAndLettersAreCheckedWithClearMessages)
{
  int value = 0;
  EXPECT_FALSE(ConnectionNumberProblem("3", 1, 8, &value));
  EXPECT_EQ(value, 3);
  EXPECT_FALSE(ConnectionNumberProblem("  +8 \t", 1, 8, &value));
  EXPECT_EQ(value, 8);
  const std::string notInteger = "Please enter an integer.";
  for (const char* text : {"", "  ", "x", "3x", "3 4", "-", "2.5"}) {
    value = 42;
    EXPECT_EQ(ConnectionNumberProblem(text, 1, 8, &value), notInteger) << text;
    EXPECT_EQ(value, 42) << "unchanged after " << text;
  }
  EXPECT_EQ(ConnectionNumberProblem("9", 1, 8, &value), "Please enter an integer between 1 and 8.");
  EXPECT_EQ(ConnectionNumberProblem("0", 1, 4, &value), "Please enter an integer between 1 and 4.");
  EXPECT_EQ(ConnectionNumberProblem("-3", 1, 4, &value),
            "Please enter an integer between 1 and 4.");
  EXPECT_EQ(ConnectionNumberProblem("99999999999999999999", 1, 4, &value),
            "Please enter an integer between 1 and 4.");
  EXPECT_EQ(ConnectionNumberProblem("-99999999999999999999", 1, 4, &value),
            "Please enter an integer between 1 and 4.");

  for (const char* letter : {"a", "b", "c", "d"})
    EXPECT_FALSE(ConnectionLetterProblem(ConnectionKind::Motor, letter)) << letter;
  for (const char* letter : {"", "e", "A", "1", "ab"})
    EXPECT_EQ(ConnectionLetterProblem(ConnectionKind::Motor, letter),
              "Please enter the letter of a motor: a, b, c or d.")
        << letter;
  EXPECT_EQ(MotorRow("c"), 2);

  for (const char* letter : {"a", "b", "c", "d", "n", "x", "y", "z"})
    EXPECT_FALSE(ConnectionLetterProblem(ConnectionKind::Variable, letter)) << letter;
  for (const char* letter : {"", "q", "B", "Z", "e", "\xE9", ",", ";", "\t", "xy"})
    EXPECT_EQ(ConnectionLetterProblem(ConnectionKind::Variable, letter),
              "Please enter the letter of a variable: a, b, c, d, n, x, y or z.")
        << letter;
}
