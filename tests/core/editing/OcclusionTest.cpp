#include <gtest/gtest.h>

#include <vector>

#include "editing/Occlusion.h"

TEST(Occlusion, UncoveredBoundsHoldWhatIsLeftToSee)
{
  const Rect area{0, 0, 100, 80};
  struct Case {
    const char* Name;
    std::vector<Rect> Covers;
    Rect Left;
  };
  const Case cases[] = {
      {"nothing above", {}, area},
      {"a cover elsewhere", {{200, 0, 300, 80}}, area},
      {"all covered", {{-5, -5, 105, 85}}, {}},
      {"the top half covered", {{0, 0, 100, 40}}, {0, 40, 100, 80}},
      {"a hole in the middle leaves the frame", {{10, 10, 90, 70}}, area},
      {"two covers leave one corner", {{0, 0, 100, 40}, {0, 40, 60, 80}}, {60, 40, 100, 80}},
      {"covers that overlap each other", {{0, 0, 70, 80}, {50, 0, 100, 79}}, {70, 79, 100, 80}},
      {"empty covers hide nothing", {{50, 50, 50, 90}}, area},
  };
  for (const Case& c : cases) EXPECT_EQ(UncoveredBounds(area, c.Covers), c.Left) << c.Name;
  EXPECT_EQ(UncoveredBounds({}, {}), Rect{});

  // Thousands of small covers, each hiding one pixel of four: what is left
  // reaches every edge, however many pieces the area falls into.
  std::vector<Rect> grid;
  for (int y = 0; y < 80; y += 2)
    for (int x = 0; x < 100; x += 2) grid.push_back({x, y, x + 1, y + 1});
  EXPECT_EQ(UncoveredBounds(area, grid), area);
}

TEST(Occlusion, FilledBoxesAndLoadedPicturesHideWhatIsUnder)
{
  ResetTovel();
  BitmapCount = 2;
  const std::uint8_t dot[3] = {};
  BitmapImages[0].Bitmap = Picture::FromRgb(1, 1, dot);
  BitmapImages[0].Width = 30;
  BitmapImages[0].Height = 20;
  BitmapImages[1].Width = 30; // a size, but no picture: it shows nothing
  BitmapImages[1].Height = 20;
  const auto opaque = [](const TovelItem& item) {
    std::vector<Rect> rects;
    AddOpaqueRects(item, BitmapCount, 2, {5, 5}, rects);
    return rects;
  };
  EXPECT_EQ(opaque({10, 10, 20, 20, 0, 0, {"0", "-1", "-1", "-1"}}),
            (std::vector<Rect>{{25, 5, 85, 45}}));
  EXPECT_EQ(opaque({10, 10, 20, 20, FlagFilled, 1, {"0", "1", "-1", "-1"}}),
            (std::vector<Rect>{{25, 25, 45, 45}}));
  EXPECT_EQ(opaque({10, 10, 20, 20, FlagText | FlagFilled, 0, {"0", "-1", "-1", "-1"}}),
            (std::vector<Rect>{{25, 25, 45, 45}}));
  EXPECT_TRUE(opaque({10, 10, 20, 20, FlagText, 0, {"0", "-1", "-1", "-1"}}).empty());
  ResetTovel();
}
