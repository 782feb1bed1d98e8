#include <gtest/gtest.h>

#include <climits>

#include "editing/ViewGeometry.h"

namespace {

TovelItem Item(int left, int top, int right, int bottom, int flags, const char* shown = "0")
{
  return {left, top, right, bottom, flags, 0, {shown, "-1", "-1", "-1"}};
}

} // namespace

TEST(ViewGeometry, PageIsCentredOnlyWhenTheWindowIsLarger)
{
  EXPECT_EQ(PageOriginFor(800, 500, 1), (Point{200, 90}));
  EXPECT_EQ(PageOriginFor(801, 321, 1), (Point{200, 0}));
  EXPECT_EQ(PageOriginFor(300, 200, 1), (Point{0, 0}));
  // At zoom 3 the page is 1200 x 960.
  EXPECT_EQ(PageOriginFor(1300, 1000, 3), (Point{50, 20}));
  EXPECT_EQ(PageOriginFor(1000, 1000, 3), (Point{0, 20}));
}

TEST(ViewGeometry, WhatIsDrawnAtAll)
{
  TovelItem item = Item(0, 0, 50, 21, FlagText | FlagFilled);
  EXPECT_TRUE(ItemIsDrawn(item, false));
  item.State = -1;
  EXPECT_FALSE(ItemIsDrawn(item, true));
  item.State = 3;
  EXPECT_TRUE(ItemIsDrawn(item, true));

  TovelItem label = Item(0, 0, 50, 21, FlagText | FlagLabel);
  EXPECT_TRUE(ItemIsDrawn(label, true));
  EXPECT_FALSE(ItemIsDrawn(label, false));

  // Zero width or height is still drawn; inside out is not.
  EXPECT_TRUE(ItemIsDrawn(Item(10, 10, 10, 10, 0), true));
  EXPECT_FALSE(ItemIsDrawn(Item(10, 10, 9, 20, 0), true));
  EXPECT_FALSE(ItemIsDrawn(Item(10, 10, 20, 9, 0), true));
}

TEST(ViewGeometry, PicturesKeepTheirSizeAtTheBottomLeftCorner)
{
  // At zoom 2 a 40 x 30 picture on an item with Left 10 and Bottom 100
  // lands at (20, 140) relative to the page and is 80 x 60.
  const TovelItem item = Item(10, 50, 15, 100, 0);
  EXPECT_EQ(PictureScreenRect(item, 40, 30, 2, {7, 9}), (Rect{27, 149, 107, 209}));
  EXPECT_EQ(PictureScreenRect(item, 40, 30, 1, {0, 0}), (Rect{10, 70, 50, 100}));
  EXPECT_EQ(ItemScreenRect(item, 2, {7, 9}), (Rect{27, 109, 37, 209}));

  // Coordinates near the limits of int are clamped, not overflowed.
  const TovelItem far = Item(INT_MAX - 1, INT_MIN + 1, INT_MAX, INT_MAX, 0);
  const Rect r = ItemScreenRect(far, 4, {100, 100});
  EXPECT_EQ(r.Left, INT_MAX);
  EXPECT_EQ(r.Top, INT_MIN);
  EXPECT_EQ(PictureScreenRect(far, INT_MAX, INT_MAX, 4, {0, 0}).Top, INT_MIN);
}

TEST(ViewGeometry, ShownPictureSlotStaysWithinTheSlotsInUse)
{
  TovelItem item = Item(0, 0, 10, 10, 0, "3");
  EXPECT_EQ(ShownPictureSlot(item, 5), 3);
  EXPECT_EQ(ShownPictureSlot(item, 3), -1); // slot not in use
  item.Contents[0] = "-1";
  EXPECT_EQ(ShownPictureSlot(item, 20), -1);
  item.Contents[0] = "19x";
  EXPECT_EQ(ShownPictureSlot(item, 20), 19);
  item.Contents[0] = "20";
  EXPECT_EQ(ShownPictureSlot(item, 20), -1);
  item.Contents[0] = "abc"; // no digits: slot 0
  EXPECT_EQ(ShownPictureSlot(item, 1), 0);
  item.State = -1;
  EXPECT_EQ(ShownPictureSlot(item, 1), -1);
}

TEST(ViewGeometry, OnlyAVisibleFastItemShowingAPictureRedrawsDirectly)
{
  TovelItem item = Item(0, 0, 10, 10, FlagFastRedraw, "2");
  EXPECT_TRUE(CanRedrawDirectly(item));
  item.Contents[0] = "-1";
  EXPECT_FALSE(CanRedrawDirectly(item));
  item.Contents[0] = "2";
  item.State = -1;
  EXPECT_FALSE(CanRedrawDirectly(item));
  item.State = 0;
  item.Flags = 0;
  EXPECT_FALSE(CanRedrawDirectly(item));
}

TEST(ViewGeometry, RectanglesAtTheLimitsOfIntDoNotOverflow)
{
  const Rect huge{INT_MIN, -108, INT_MAX, INT_MAX};
  EXPECT_EQ(huge.Width(), INT_MAX);
  EXPECT_EQ(huge.Height(), INT_MAX);
  const Rect insideOut{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  EXPECT_EQ(insideOut.Width(), INT_MIN);
  EXPECT_TRUE(insideOut.IsEmpty());

  // An item typed in with the largest coordinates, shown at zoom 4.
  const TovelItem far{INT_MAX - 3, INT_MAX - 3, INT_MAX, INT_MAX, FlagText, 0, {"a", "", "", ""}};
  const Rect screen = ItemScreenRect(far, 4, {100, 50});
  EXPECT_EQ(screen.Left, INT_MAX);
  EXPECT_EQ(screen.Width(), 0);
}
