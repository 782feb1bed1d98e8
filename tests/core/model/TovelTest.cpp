#include <gtest/gtest.h>

#include "model/Tovel.h"

namespace {

std::unique_ptr<Picture> Dot()
{
  const std::uint8_t black[3] = {};
  return Picture::FromRgb(1, 1, black);
}

} // namespace

TEST(Tovel, ResetEmptiesEverythingButTheItemSlots)
{
  ItemCount = 3;
  BitmapCount = 2;
  CurrentItem = 1;
  ItemTable[0] = {1, 2, 3, 4, FlagText, 2, {"old", "-1", "-1", "-1"}};
  BitmapNames[0] = "a\\b.bmp";
  BitmapNames[19] = "c\\d.bmp";
  BitmapImages[0].Bitmap = Dot();
  BitmapImages[0].Palette = std::make_unique<ColourPalette>();
  BitmapImages[0].Width = 48;
  BitmapImages[19].Bitmap = Dot();
  InputLinks[3][2] = 7;
  MotorLinks[0][0] = 2;
  VariableLinks[7] = 0;

  ResetTovel();

  EXPECT_EQ(ItemCount, 0);
  EXPECT_EQ(BitmapCount, 0);
  EXPECT_EQ(CurrentItem, -1);
  for (const auto& name : BitmapNames) EXPECT_TRUE(name.empty());
  for (const auto& slot : BitmapImages) {
    EXPECT_FALSE(slot.Bitmap);
    EXPECT_FALSE(slot.Palette);
  }
  EXPECT_EQ(BitmapImages[0].Width, 48); // sizes are left as they were
  for (const auto& row : InputLinks)
    for (int entry : row) EXPECT_EQ(entry, -1);
  for (const auto& row : OutputLinks)
    for (int entry : row) EXPECT_EQ(entry, -1);
  for (const auto& row : ValueLinks)
    for (int entry : row) EXPECT_EQ(entry, -1);
  for (const auto& row : MotorLinks)
    for (int entry : row) EXPECT_EQ(entry, -1);
  for (int entry : VariableLinks) EXPECT_EQ(entry, -1);
  EXPECT_EQ(ItemTable[0].Contents[0], "old");
  EXPECT_EQ(ItemTable[0].Left, 1);
  BitmapImages[0].Width = 0;
}

TEST(Tovel, NamesReferToTheOneOpenTovel)
{
  ResetTovel();
  ItemCount = 5;
  InputLinks[1][1] = 4;
  EXPECT_EQ(TheTovel.ItemCount, 5);
  EXPECT_EQ(TheTovel.InputLinks[1][1], 4);
  TovelTables fresh;
  fresh.ClearLinks();
  TheTovel = fresh;
  EXPECT_EQ(ItemCount, 0);
  EXPECT_EQ(InputLinks[1][1], -1);
}
