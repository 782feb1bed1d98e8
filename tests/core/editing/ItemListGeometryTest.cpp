#include <gtest/gtest.h>

#include "editing/ItemListGeometry.h"
#include "model/Tovel.h"

namespace {

constexpr int H = 30; // a 200 pixel pane with a 16 pixel scroll bar

// The middle of row d, where its cells are.
int MidRow(int d)
{
  return ItemRowTop(d, H) + H / 2;
}

// Items 0 and 2 show pictures, item 1 a text; item 3 is beyond the list.
class ItemListPressTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ResetTovel();
    ItemCount = 3;
    ItemTable[0] = {0, 0, 10, 10, 0, 2, {"0", "1", "2", "3"}};
    ItemTable[1] = {0, 0, 10, 10, FlagText, -1, {"caption", "", "", ""}};
    ItemTable[2] = {0, 0, 10, 10, FlagClickable, 0, {"0", "1", "2", "3"}};
    ItemTable[3] = {1, 2, 3, 4, 5, 1, {"left", "over", "", ""}};
    CurrentItem = 0;
  }
  void TearDown() override { ResetTovel(); }
};

} // namespace

TEST(ItemListGeometry, RowsAndCellsFollowThePaneWidth)
{
  EXPECT_EQ(ItemListRowHeight(200, 16), 30);
  EXPECT_EQ(ItemListRowHeight(201, 16), 30);
  EXPECT_EQ(ItemListRowHeight(142, 16), 21);
  EXPECT_EQ(ItemListRowHeight(100, 16), 20);
  EXPECT_EQ(ItemListRowHeight(0, 16), 20);
  EXPECT_EQ(ItemListExtent(30, 0), 14);
  EXPECT_EQ(ItemListExtent(30, 3), ItemRowRect(2, 30, 200).Bottom + 1);

  EXPECT_EQ(HideCellRect(0, H), (Rect{32, 18, 58, 40}));
  EXPECT_EQ(TextCellRect(1, H), (Rect{62, 48, 178, 70}));
  EXPECT_EQ(PictureCellRect(2, 3, H), (Rect{152, 78, 178, 100}));
  EXPECT_EQ(HeaderLabelRect(1, H), (Rect{90, 0, 120, 13}));
  // A row's repaint band is its fill moved up by the scroll position; row
  // -1 is the header.
  const Rect row = ItemRowRect(2, H, 200);
  EXPECT_EQ(ItemRowBand(2, H, 200, 10), (Rect{0, row.Top - 10, 200, row.Bottom - 10}));
  EXPECT_EQ(ItemRowBand(-1, H, 200, 0), (Rect{0, -16, 200, 13}));
}

TEST(ItemListGeometry, HeaderFontStepsBringTheLabelWithinItsColumnAndUnderTheHeader)
{
  struct Case {
    int width, height, maxWidth, steps;
  } cases[] = {
      {30, 13, 30, 0},                  // fits exactly
      {30, 14, 30, 1},                  // as high as the header: 12.6 after one step
      {33, 17, 30, 3},                  // 13.77 high after two steps, which rounds up to 14
      {90, 10, 30, MaxHeaderFontSteps}, // never fits: stops at the limit
  };
  for (const Case& c : cases)
    EXPECT_EQ(HeaderFontSteps(c.width, c.height, c.maxWidth), c.steps)
        << c.width << " x " << c.height << " within " << c.maxWidth;
}

TEST_F(ItemListPressTest, PressesOnCellsSetTheStateOnlyWhenItChanges)
{
  // The pushed picture cell of the current item: nothing happens.
  ItemListPress press = PressItemList(140, MidRow(0), 0, H);
  EXPECT_FALSE(press.Changed());
  EXPECT_EQ(press.Row, 0);
  EXPECT_EQ(ItemTable[0].State, 2);

  press = PressItemList(45, MidRow(0), 0, H);
  EXPECT_TRUE(press.StateChanged);
  EXPECT_FALSE(press.SelectionChanged);
  EXPECT_EQ(ItemTable[0].State, -1);
  EXPECT_FALSE(PressItemList(45, MidRow(0), 0, H).Changed());

  // Picture cell 3 of another item selects it and sets State 3.
  press = PressItemList(165, MidRow(2), 0, H);
  EXPECT_TRUE(press.SelectionChanged && press.StateChanged);
  EXPECT_EQ(press.PreviousItem, 0);
  EXPECT_EQ(press.Row, 2);
  EXPECT_EQ(CurrentItem, 2);
  EXPECT_EQ(ItemTable[2].State, 3);

  // Anywhere across a text item's text cell shows its text.
  press = PressItemList(170, MidRow(1), 0, H);
  EXPECT_TRUE(press.StateChanged);
  EXPECT_EQ(ItemTable[1].State, 0);
  EXPECT_EQ(CurrentItem, 1);

  // Scrolled down by a row, the second visible row is row 2.
  EXPECT_EQ(PressItemList(45, MidRow(1), H, H).Row, 2);
  EXPECT_EQ(ItemTable[2].State, -1);
}

TEST_F(ItemListPressTest, APressOnACellMarginOnlySelects)
{
  const int top = ItemRowTop(2, H);
  const Rect cell = PictureCellRect(2, 3, H);
  const Point margins[] = {{cell.Left + 5, top + 4},
                           {cell.Left + 5, top + H - 4},
                           {cell.Left, top + 15},
                           {cell.Right, top + 15}};
  for (const Point p : margins) {
    SetUp();
    const ItemListPress press = PressItemList(p.X, p.Y, 0, H);
    EXPECT_TRUE(press.SelectionChanged && !press.StateChanged) << p.X << "," << p.Y;
    EXPECT_EQ(ItemTable[2].State, 0);
  }
  SetUp();
  EXPECT_TRUE(PressItemList(cell.Left + 1, top + 5, 0, H).StateChanged);
  SetUp();
  EXPECT_TRUE(PressItemList(cell.Right - 1, top + H - 5, 0, H).StateChanged);
}

TEST_F(ItemListPressTest, PressesOutsideTheRowsChangeNothing)
{
  const TovelTables before = TheTovel;
  for (const int y : {0, 13, ItemListExtent(H, 3), 5000}) {
    const ItemListPress press = PressItemList(45, y, 0, H);
    EXPECT_TRUE(!press.Changed() && press.Row == -1) << y;
  }
  EXPECT_FALSE(PressItemList(165, 100, 60, H).Changed()); // below the end, scrolled
  EXPECT_EQ(TheTovel, before);

  ItemCount = 0;
  CurrentItem = -1;
  EXPECT_FALSE(PressItemList(45, 20, 0, H).Changed());
  EXPECT_EQ(CurrentItem, -1);
  EXPECT_EQ(ItemTable[0], before.ItemTable[0]);
}
