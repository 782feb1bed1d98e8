#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "bitmaps/BmpHeader.h"
#include "bitmaps/BmpPixels.h"
#include "bitmaps/BmpWriting.h"

namespace {

// A picture of `width` x `height` whose pixel i has the colour `colour(i)`
// (red, green, blue, alpha).
template <typename Colour> RgbaPixels Made(int width, int height, Colour colour)
{
  RgbaPixels pixels{width, height, std::vector<std::uint8_t>(std::size_t(width * height) * 4)};
  for (int i = 0; i < width * height; ++i) {
    const std::array<std::uint8_t, 4> c = colour(i);
    for (std::size_t k = 0; k < 4; ++k) pixels.Bytes[std::size_t(i) * 4 + k] = c[k];
  }
  return pixels;
}

std::array<std::uint8_t, 4> Rgba(int r, int g, int b, int a = 255)
{
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
          static_cast<std::uint8_t>(a)};
}

TEST(BmpWriting, WritesWhatTheProgramReadsBackWithTheDepthItsColoursNeed)
{
  struct Case {
    const char* what;
    RgbaPixels pixels;
    int bits;
    std::uint32_t colours;
  };
  const Case cases[] = {
      {"three colours, odd width",
       Made(5, 3,
            [](int i) {
              return i % 3 == 0 ? Rgba(255, 0, 0) : i % 3 == 1 ? Rgba(0, 0, 255) : Rgba(1, 2, 3);
            }),
       8, 3},
      {"exactly 256 colours", Made(16, 16, [](int i) { return Rgba(i, 255 - i, i / 2); }), 8, 256},
      {"257 colours", Made(257, 1, [](int i) { return Rgba(i % 256, i / 256, 7); }), 24, 0},
      {"transparency over white",
       Made(3, 2, [](int i) { return Rgba(0, 0, 0,
                                          i == 0   ? 0
                                          : i == 1 ? 128
                                                   : 255); }), 8, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::uint8_t> file = EncodeBmp(c.pixels);
    const BmpReadResult header = ReadBmpHeader(file);
    ASSERT_TRUE(header.Info) << header.Problem;
    EXPECT_EQ(header.Info->BitsPerPixel, c.bits);
    EXPECT_EQ(header.Info->ColoursUsed, c.colours);
    const auto picture = DecodeBmp(std::move(file), *header.Info);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->Width(), c.pixels.Width);
    ASSERT_EQ(picture->Height(), c.pixels.Height);

    const std::vector<std::uint8_t> expected = OverWhite(c.pixels);
    std::vector<int> columns(static_cast<std::size_t>(c.pixels.Width));
    std::iota(columns.begin(), columns.end(), 0);
    std::vector<std::uint8_t> row(columns.size() * 3);
    for (int y = 0; y < c.pixels.Height; ++y) {
      picture->ReadRow(y, columns, row.data());
      const auto start = expected.begin() + static_cast<std::ptrdiff_t>(y * c.pixels.Width * 3);
      EXPECT_TRUE(std::equal(row.begin(), row.end(), start)) << "row " << y;
    }
  }
  // Laid over white: clear is white, half clear black a middle grey.
  const std::vector<std::uint8_t> laid =
      OverWhite(Made(2, 1, [](int i) { return Rgba(0, 0, 0, i * 128); }));
  EXPECT_EQ(laid, (std::vector<std::uint8_t>{255, 255, 255, 127, 127, 127}));
  EXPECT_TRUE(EncodeBmp({2, 2, std::vector<std::uint8_t>(15)}).empty());
}

} // namespace
