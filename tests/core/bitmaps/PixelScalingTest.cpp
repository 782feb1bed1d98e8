#include <gtest/gtest.h>

#include <vector>

#include "bitmaps/PixelScaling.h"

namespace {

// A picture whose every pixel has its own colour: red and green number the
// column and blue the row.
std::unique_ptr<Picture> Numbered(int width, int height)
{
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      rgb.push_back(static_cast<std::uint8_t>(x % 256));
      rgb.push_back(static_cast<std::uint8_t>(x / 256));
      rgb.push_back(static_cast<std::uint8_t>(y));
    }
  return Picture::FromRgb(width, height, rgb);
}

std::vector<std::uint8_t> Stretched(const Picture& picture, int width, int height, const Rect& part)
{
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(part.Width()) * part.Height() * 3);
  EXPECT_TRUE(StretchPart(picture, width, height, part, rgb));
  return rgb;
}

} // namespace

TEST(PixelScaling, WholeZoomsRepeatEveryPixelExactly)
{
  const auto picture = Numbered(40, 30);
  for (int zoom = 1; zoom <= 4; ++zoom) {
    const auto rgb = Stretched(*picture, 40 * zoom, 30 * zoom, {0, 0, 40 * zoom, 30 * zoom});
    for (int y = 0; y < 30 * zoom; ++y)
      for (int x = 0; x < 40 * zoom; ++x) {
        const std::size_t at = (static_cast<std::size_t>(y) * 40 * zoom + x) * 3;
        ASSERT_EQ(rgb[at], x / zoom) << "zoom " << zoom << " at " << x << "," << y;
        ASSERT_EQ(rgb[at + 2], y / zoom) << "zoom " << zoom << " at " << x << "," << y;
      }
  }
}

TEST(PixelScaling, APartIsThatPartOfTheWholeStretch)
{
  struct Case {
    int Width, Height;     // of the picture
    int ToWidth, ToHeight; // stretched
    Rect Part;
  };
  const Case cases[] = {
      {40, 30, 160, 120, {37, 11, 101, 90}},  // zoom 4, from the middle
      {40, 30, 160, 120, {0, 0, 1, 1}},       // one pixel at the corner
      {40, 30, 160, 120, {159, 0, 160, 120}}, // the last column
      {37, 23, 100, 61, {3, 5, 99, 60}},      // factors that are no whole number
      {300, 200, 70, 45, {10, 10, 70, 45}},   // shrunk
      {5, 1, 20, 4, {0, 0, 20, 4}},           // the whole
  };
  for (const Case& c : cases) {
    const auto picture = Numbered(c.Width, c.Height);
    const auto whole = Stretched(*picture, c.ToWidth, c.ToHeight, {0, 0, c.ToWidth, c.ToHeight});
    const auto part = Stretched(*picture, c.ToWidth, c.ToHeight, c.Part);
    std::vector<std::uint8_t> expected;
    for (int y = c.Part.Top; y < c.Part.Bottom; ++y) {
      const auto row =
          whole.begin() + (static_cast<std::ptrdiff_t>(y) * c.ToWidth + c.Part.Left) * 3;
      expected.insert(expected.end(), row, row + c.Part.Width() * 3);
    }
    EXPECT_EQ(part, expected) << c.Width << "x" << c.Height << " to " << c.ToWidth << "x"
                              << c.ToHeight;
  }

  // Parts that are empty or reach outside, and too little room, write nothing.
  const auto picture = Numbered(4, 4);
  std::vector<std::uint8_t> room(64 * 3, 7);
  for (const Rect& outside : {Rect{-1, 0, 2, 2}, Rect{0, 0, 9, 8}, Rect{3, 3, 3, 5}})
    EXPECT_FALSE(StretchPart(*picture, 8, 8, outside, room));
  EXPECT_FALSE(StretchPart(*picture, 8, 8, {0, 0, 8, 8}, std::span(room).first(63 * 3)));
  EXPECT_EQ(room, std::vector<std::uint8_t>(64 * 3, 7));
}

TEST(PixelScaling, SmoothPreviewsAverageWhatEachPixelCovers)
{
  // Columns alternate black and white: any reduction by an even factor
  // turns them grey; rows are alike, so every row of the result is alike.
  std::vector<std::uint8_t> stripes;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) stripes.insert(stripes.end(), 3, x % 2 ? 255 : 0);
  const auto picture = Picture::FromRgb(64, 64, stripes);
  for (const int size : {32, 16}) {
    const auto preview = ScaleSmooth(*picture, size, size);
    ASSERT_EQ(preview.size(), static_cast<std::size_t>(size) * size * 3);
    for (const std::uint8_t value : preview) ASSERT_NEAR(value, 128, 1) << size;
  }
  // Enlarged, each pixel shows the one it lies on.
  const auto numbered = Numbered(2, 2);
  const auto larger = ScaleSmooth(*numbered, 4, 4);
  EXPECT_EQ(larger, Stretched(*numbered, 4, 4, {0, 0, 4, 4}));
  EXPECT_TRUE(ScaleSmooth(*numbered, 0, 3).empty());
}
