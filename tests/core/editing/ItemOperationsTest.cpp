#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editing/ItemOperations.h"
#include "model/Tovel.h"

namespace {

// Tables with `count` distinct items named "item0", "item1", ... and no
// links.
TovelTables WithItems(int count)
{
  TovelTables tables;
  tables.ClearLinks();
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    tables.ItemTable[i] = {i, 2 * i, 10 + i, 20 + i, i % 4, i % 3, {"item" + n, "-1", n, "-1"}};
  }
  tables.ItemCount = count;
  return tables;
}

template <std::size_t N> std::array<int, N> Row(const int (&row)[N])
{
  std::array<int, N> copy{};
  for (std::size_t i = 0; i < N; ++i) copy[i] = row[i];
  return copy;
}

template <std::size_t N> void Set(int (&row)[N], const std::array<int, N>& values)
{
  for (std::size_t i = 0; i < N; ++i) row[i] = values[i];
}

using Row2 = std::array<int, 2>;
using Row3 = std::array<int, 3>;
using Row4 = std::array<int, 4>;

} // namespace

TEST(ItemOperations, EraseMovesLaterItemsDownAndRenumbersEveryLink)
{
  TovelTables tables = WithItems(5);
  tables.CurrentItem = 2;
  const TovelItem formerFourth = tables.ItemTable[4];
  // The rows of the worked example.
  Set(tables.OutputLinks[0], {2, 4, -1});
  Set(tables.InputLinks[0], {1, 2, 7});
  Set(tables.ValueLinks[0], {2, 3});
  Set(tables.MotorLinks[0], {4, 2, 2, 3});
  // Links whose erased entry sits elsewhere in the row.
  Set(tables.OutputLinks[1], {1, 2, 3});
  Set(tables.OutputLinks[2], {4, 0, 2});
  Set(tables.InputLinks[1], {2, 3, 4});
  Set(tables.InputLinks[2], {0, -1, 3}); // switch-off input 3, a number above the erased one
  Set(tables.MotorLinks[1], {2, 3, 4, 2});
  Set(tables.VariableLinks, {2, 3, 1, -1, -1, -1, -1, -1});

  ASSERT_TRUE(EraseItem(tables, 2));

  EXPECT_EQ(tables.ItemCount, 4);
  EXPECT_EQ(tables.ItemTable[0].Contents[0], "item0");
  EXPECT_EQ(tables.ItemTable[1].Contents[0], "item1");
  EXPECT_EQ(tables.ItemTable[2].Contents[0], "item3");
  EXPECT_EQ(tables.ItemTable[3], formerFourth);
  EXPECT_EQ(tables.ItemTable[4], formerFourth) << "the freed slot is not cleared";
  EXPECT_EQ(tables.CurrentItem, 2) << "the place stays current, now the former item 3";

  EXPECT_EQ(Row(tables.OutputLinks[0]), (Row3{3, -1, -1}));
  EXPECT_EQ(Row(tables.InputLinks[0]), (Row3{1, -1, 7}));
  EXPECT_EQ(Row(tables.ValueLinks[0]), (Row2{-1, 2}));
  EXPECT_EQ(Row(tables.MotorLinks[0]), (Row4{3, -1, 2, 3}));

  EXPECT_EQ(Row(tables.OutputLinks[1]), (Row3{1, 2, -1}));
  EXPECT_EQ(Row(tables.OutputLinks[2]), (Row3{3, 0, -1}));
  EXPECT_EQ(Row(tables.InputLinks[1]), (Row3{2, -1, 4}));
  EXPECT_EQ(Row(tables.InputLinks[2]), (Row3{0, -1, 3}));
  EXPECT_EQ(Row(tables.MotorLinks[1]), (Row4{2, -1, 4, 2}));
  EXPECT_EQ(tables.VariableLinks[0], -1);
  EXPECT_EQ(tables.VariableLinks[1], 2);
  EXPECT_EQ(tables.VariableLinks[2], 1);
  for (int i = 3; i < VariableCount; ++i) EXPECT_EQ(tables.VariableLinks[i], -1) << i;
  EXPECT_EQ(Row(tables.OutputLinks[7]), (Row3{-1, -1, -1}));
}

TEST(ItemOperations, ErasingTheLastItemLeavesNoCurrentItem)
{
  TovelTables only = WithItems(1);
  only.CurrentItem = 0;
  only.VariableLinks[5] = 0;
  only.OutputLinks[3][0] = 0;
  ASSERT_TRUE(EraseItem(only, 0));
  EXPECT_EQ(only.ItemCount, 0);
  EXPECT_EQ(only.CurrentItem, -1);
  EXPECT_EQ(only.VariableLinks[5], -1);
  EXPECT_EQ(Row(only.OutputLinks[3]), (Row3{-1, -1, -1}));

  TovelTables three = WithItems(3);
  three.CurrentItem = 2;
  Set(three.InputLinks[0], {2, 1, -1});
  ASSERT_TRUE(EraseItem(three, 2));
  EXPECT_EQ(three.ItemCount, 2);
  EXPECT_EQ(three.CurrentItem, -1);
  EXPECT_EQ(Row(three.InputLinks[0]), (Row3{1, -1, -1}));

  // A number that names no item changes nothing.
  const TovelTables before = three;
  EXPECT_FALSE(EraseItem(three, -1));
  EXPECT_FALSE(EraseItem(three, 2));
  EXPECT_FALSE(EraseItem(three, MaxItems));
  EXPECT_EQ(three, before);
}

TEST(ItemOperations, ExchangeSwapsItemsAndItemLinksButNotInputNumbers)
{
  TovelTables tables = WithItems(3);
  tables.CurrentItem = 0;
  const TovelItem first = tables.ItemTable[0];
  const TovelItem second = tables.ItemTable[1];
  tables.VariableLinks[2] = 0;
  tables.VariableLinks[6] = 1;
  Set(tables.InputLinks[4], {1, 2, 1});
  Set(tables.OutputLinks[0], {2, 0, 1});
  Set(tables.ValueLinks[3], {-1, 0});
  Set(tables.MotorLinks[2], {0, 1, 0, 1});

  // Move down of item 0.
  ASSERT_TRUE(ExchangeItems(tables, 0, 1));

  EXPECT_EQ(tables.ItemTable[0], second);
  EXPECT_EQ(tables.ItemTable[1], first);
  EXPECT_EQ(tables.CurrentItem, 1);
  EXPECT_EQ(tables.VariableLinks[2], 1);
  EXPECT_EQ(tables.VariableLinks[6], 0);
  EXPECT_EQ(Row(tables.InputLinks[4]), (Row3{0, 2, 1})) << "the switch-off input stays 1";
  EXPECT_EQ(Row(tables.OutputLinks[0]), (Row3{2, 1, 0}));
  EXPECT_EQ(Row(tables.ValueLinks[3]), (Row2{-1, 1}));
  EXPECT_EQ(Row(tables.MotorLinks[2]), (Row4{1, 0, 0, 1}));

  // Moving it back up restores everything.
  ASSERT_TRUE(ExchangeItems(tables, 1, 0));
  EXPECT_EQ(tables.ItemTable[0], first);
  EXPECT_EQ(tables.CurrentItem, 0);
  EXPECT_EQ(Row(tables.OutputLinks[0]), (Row3{2, 0, 1}));

  const TovelTables before = tables;
  EXPECT_FALSE(ExchangeItems(tables, 2, 3));
  EXPECT_FALSE(ExchangeItems(tables, -1, 0));
  EXPECT_EQ(tables, before);
}

TEST(ItemOperations, NewItemsGoOnTopUntilTheTableIsFull)
{
  TovelTables tables = WithItems(2);
  tables.CurrentItem = 0;
  ASSERT_EQ(AddNewItem(tables, false, "7"), 2);
  EXPECT_EQ(tables.ItemCount, 3);
  EXPECT_EQ(tables.ItemTable[2],
            (TovelItem{0, 0, 50, 21, FlagText | FlagFilled, 0, {"New", "-1", "-1", "-1"}}));
  EXPECT_EQ(tables.CurrentItem, 0);

  ASSERT_EQ(AddNewItem(tables, true, "7"), 3);
  EXPECT_EQ(tables.ItemTable[3], (TovelItem{0, 0, 400, 320, 0, 0, {"7", "-1", "-1", "-1"}}));
  ASSERT_EQ(AddNewItem(tables, true, "-1"), 4);
  EXPECT_EQ(tables.ItemTable[4].Contents[0], "-1");

  // A slot reused after an erase gets every field anew.
  tables.ItemTable[5] = {9, 9, 99, 99, 0x7f, -1, {"old", "1", "2", "3"}};
  ASSERT_EQ(AddNewItem(tables, false, "-1"), 5);
  EXPECT_EQ(tables.ItemTable[5].State, 0);
  EXPECT_EQ(tables.ItemTable[5].Contents[3], "-1");

  tables.ItemCount = MaxItems - 1;
  EXPECT_EQ(AddNewItem(tables, false, "-1"), MaxItems - 1);
  const TovelTables full = tables;
  EXPECT_EQ(AddNewItem(tables, true, "-1"), -1);
  EXPECT_EQ(tables, full);
}

TEST(ItemOperations, PictureSlotOfReference)
{
  EXPECT_EQ(PictureSlotOfReference("0"), 0);
  EXPECT_EQ(PictureSlotOfReference("12"), 12);
  EXPECT_EQ(PictureSlotOfReference("19"), 19);
  EXPECT_EQ(PictureSlotOfReference("3abc"), 3);
  EXPECT_EQ(PictureSlotOfReference("-1"), -1);
  EXPECT_EQ(PictureSlotOfReference(" 4"), -1) << "must begin with a digit";
  EXPECT_EQ(PictureSlotOfReference(""), -1);
  EXPECT_EQ(PictureSlotOfReference("New"), -1);
  EXPECT_EQ(PictureSlotOfReference("20"), -1);
  EXPECT_EQ(PictureSlotOfReference("99999999999"), -1);
}
