#include <gtest/gtest.h>

#include <climits>

#include "editing/ItemPlacement.h"
#include "model/TovelFile.h"

namespace {

class ItemPlacement : public ::testing::Test {
protected:
  void SetUp() override { ResetTovel(); }
  void TearDown() override { ResetTovel(); }
  void Add(int left, int top, int right, int bottom, int flags = 0, int state = 0)
  {
    ItemTable[ItemCount++] = {left, top, right, bottom, flags, state, {"0", "-1", "-1", "-1"}};
  }
};

} // namespace

TEST_F(ItemPlacement, TheTopMostItemUnderThePointerIsHit)
{
  Add(0, 0, 100, 100);
  Add(50, 50, 150, 150, FlagLabel | FlagText, -1); // hidden label, still hit
  Add(200, 200, 200, 250);                         // no width: never hit
  Add(300, 10, 290, 20);                           // inside out: never hit
  const Point origin{10, 20};
  EXPECT_EQ(HitTest({70, 80}, 1, origin), 1); // the overlap: the higher number
  EXPECT_EQ(HitTest({15, 25}, 1, origin), 0);
  EXPECT_EQ(HitTest({10, 20}, 1, origin), 0);    // top-left corner is inside
  EXPECT_EQ(HitTest({160, 170}, 1, origin), -1); // right and bottom edges are outside
  EXPECT_EQ(HitTest({159, 169}, 1, origin), 1);
  EXPECT_EQ(HitTest({210, 230}, 1, origin), -1);
  EXPECT_EQ(HitTest({5, 5}, 1, origin), -1);
  // At zoom 2 the areas double.
  EXPECT_EQ(HitTest({10 + 99, 20 + 99}, 2, origin), 0);
  EXPECT_EQ(HitTest({10 + 299, 20 + 299}, 2, origin), 1);
  EXPECT_EQ(HitTest({10 + 301, 20 + 301}, 2, origin), -1);
}

TEST_F(ItemPlacement, DraggingTruncatesTowardZero)
{
  // At zoom 2, grab the item (Left 10) 6 pixels right of its left edge and
  // let go at PageOrigin.x + 3: Left = (3 - 6) / 2 = -1, not -2.
  const Point origin{40, 30};
  TovelItem item{10, 5, 60, 25, 0, 0, {}};
  const Point press{origin.X + 2 * 10 + 6, origin.Y + 2 * 5 + 1};
  const Point grab = GrabOffset(item, press, 2, origin);
  EXPECT_EQ(grab, (Point{6, 1}));
  const Rect dropped = DropPosition({item.Left, item.Top, item.Right, item.Bottom},
                                    {origin.X + 3, origin.Y + 1}, grab, 2, origin);
  EXPECT_EQ(dropped, (Rect{-1, 0, 49, 20}));

  // Releasing where it was pressed leaves the rectangle as it was.
  EXPECT_EQ(DropPosition({10, 5, 60, 25}, press, grab, 2, origin), (Rect{10, 5, 60, 25}));
  // Far away, the rectangle keeps its size, clamped at the ends of int.
  const Rect far = DropPosition({0, 0, 50, 20}, {INT_MAX, INT_MIN}, {-100, 100}, 1, {0, 0});
  EXPECT_EQ(far.Left, INT_MAX);
  EXPECT_EQ(far.Top, INT_MIN);
}

TEST_F(ItemPlacement, ArrowKeysMoveAndShiftSizes)
{
  struct Case {
    ArrowKey key;
    bool shift;
    Rect expected;
  };
  const Case cases[] = {
      {ArrowKey::Left, false, {-1, 10, 49, 30}}, {ArrowKey::Left, true, {0, 10, 49, 30}},
      {ArrowKey::Right, false, {1, 10, 51, 30}}, {ArrowKey::Right, true, {0, 10, 51, 30}},
      {ArrowKey::Up, false, {0, 9, 50, 29}},     {ArrowKey::Up, true, {0, 10, 50, 29}},
      {ArrowKey::Down, false, {0, 11, 50, 31}},  {ArrowKey::Down, true, {0, 10, 50, 31}},
  };
  for (const Case& c : cases) {
    TovelItem item{0, 10, 50, 30, 0, 0, {}};
    ApplyArrowKey(item, c.key, c.shift);
    EXPECT_EQ((Rect{item.Left, item.Top, item.Right, item.Bottom}), c.expected)
        << static_cast<int>(c.key) << " shift " << c.shift;
  }
  // Sizing may go to zero and below; the ends of int are never passed.
  TovelItem thin{0, 0, 1, 1, 0, 0, {}};
  ApplyArrowKey(thin, ArrowKey::Left, true);
  ApplyArrowKey(thin, ArrowKey::Left, true);
  EXPECT_EQ(thin.Right, -1);
  TovelItem edge{INT_MAX, INT_MIN, INT_MAX, INT_MIN, 0, 0, {}};
  ApplyArrowKey(edge, ArrowKey::Right, false);
  ApplyArrowKey(edge, ArrowKey::Up, false);
  EXPECT_EQ(edge.Left, INT_MAX);
  EXPECT_EQ(edge.Top, INT_MIN);
}

TEST_F(ItemPlacement, AMoveThatWouldMakeTheLineTooLongForTheFileIsRefused)
{
  // A text that fills the line to the last character: every coordinate
  // that gains a digit makes the line too long.
  Add(0, 0, 50, 21, FlagText);
  ItemTable[0].Contents[0].clear();
  ItemTable[0].Contents[0] = std::string(510 - ItemLineLength(ItemTable[0]), 'x');
  ASSERT_EQ(ItemLineLength(ItemTable[0]), 510u);
  const TovelItem full = ItemTable[0];

  EXPECT_TRUE(NudgeItem(TheTovel, 0, ArrowKey::Left, false)) << "Left 0 becomes -1";
  EXPECT_TRUE(PlaceItem(TheTovel, 0, {10, 0, 60, 21})) << "a drop at Left 10";
  EXPECT_EQ(ItemTable[0], full) << "a refused move changes nothing";

  // Moves that keep the line as long, or shorten it, go through.
  EXPECT_FALSE(PlaceItem(TheTovel, 0, {5, 0, 55, 21}));
  EXPECT_FALSE(NudgeItem(TheTovel, 0, ArrowKey::Right, true));
  EXPECT_EQ((Rect{ItemTable[0].Left, ItemTable[0].Top, ItemTable[0].Right, ItemTable[0].Bottom}),
            (Rect{5, 0, 56, 21}));
  EXPECT_FALSE(NudgeItem(TheTovel, 0, ArrowKey::Right, true)) << "Right 56 becomes 57";
}
