#include <gtest/gtest.h>

#include "bitmaps/PixelScaling.h"

TEST(PixelScaling, WholeZoomsRepeatEveryPixelExactly)
{
  // A 40 x 30 picture of one-byte pixels numbered by their 10 x 10 band,
  // at every zoom the view uses: each band becomes exactly 10 * zoom wide.
  std::vector<std::uint8_t> picture(40 * 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      picture[y * 40 + x] = static_cast<std::uint8_t>(x / 10 + 4 * (y / 10));
  for (int zoom = 1; zoom <= 4; ++zoom) {
    const auto scaled = ScaleNearest(picture, 40, 30, 1, 40 * zoom, 30 * zoom);
    ASSERT_EQ(scaled.size(), std::size_t(40 * 30 * zoom * zoom));
    for (int y = 0; y < 30 * zoom; ++y)
      for (int x = 0; x < 40 * zoom; ++x)
        ASSERT_EQ(scaled[y * 40 * zoom + x], x / (10 * zoom) + 4 * (y / (10 * zoom)))
            << "zoom " << zoom << " at " << x << "," << y;
  }
  // Several bytes a pixel move together.
  const std::vector<std::uint8_t> rgb{1, 2, 3, 4, 5, 6};
  EXPECT_EQ(ScaleNearest(rgb, 2, 1, 3, 4, 1),
            (std::vector<std::uint8_t>{1, 2, 3, 1, 2, 3, 4, 5, 6, 4, 5, 6}));
  EXPECT_TRUE(ScaleNearest(rgb, 2, 1, 3, 0, 1).empty());
  EXPECT_TRUE(ScaleNearest(rgb, 4, 1, 3, 8, 2).empty()) << "fewer bytes than the size says";
}
