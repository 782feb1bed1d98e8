#include <gtest/gtest.h>

#include <climits>

#include "bitmaps/BmpHeader.h"
#include "common/BmpMaker.h"

namespace {

void SetU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

BmpInfo ReadGood(const BmpRecipe& recipe)
{
  const BmpReadResult result = ReadBmpHeader(MakeBmp(recipe));
  EXPECT_TRUE(result.Info.has_value()) << result.Problem;
  return result.Info.value_or(BmpInfo{});
}

std::string ProblemOf(const std::vector<std::uint8_t>& bytes)
{
  const BmpReadResult result = ReadBmpHeader(bytes);
  EXPECT_FALSE(result.Info.has_value());
  EXPECT_FALSE(result.Problem.empty());
  return result.Problem;
}

std::vector<PaletteEntry> TestColours(int count)
{
  std::vector<PaletteEntry> colours;
  for (int i = 0; i < count; ++i) colours.push_back(TestColour(i));
  return colours;
}

} // namespace

TEST(BmpHeader, PaletteFollowsBitsAndColourCount)
{
  const BmpInfo mono = ReadGood({.Width = 5, .Height = 3, .Bits = 1});
  EXPECT_EQ(mono.Width, 5);
  EXPECT_EQ(mono.Height, 3);
  EXPECT_EQ(mono.BitsPerPixel, 1);
  EXPECT_EQ(PaletteColourCount(mono), 2);
  EXPECT_FALSE(MakePalette(mono).Halftone);
  EXPECT_EQ(MakePalette(mono).Entries, TestColours(2));

  // A 4-bit table that is not sorted by any colour must keep its order.
  std::vector<PaletteEntry> table;
  for (int i = 0; i < 16; ++i)
    table.push_back(PaletteEntry{static_cast<std::uint8_t>((i * 5) % 16 * 16),
                                 static_cast<std::uint8_t>(200 - i), static_cast<std::uint8_t>(i),
                                 0});
  const BmpInfo sixteen = ReadGood({.Bits = 4, .Table = table});
  EXPECT_EQ(PaletteColourCount(sixteen), 16);
  EXPECT_EQ(MakePalette(sixteen).Entries, table);

  const BmpInfo full = ReadGood({.Bits = 8});
  EXPECT_EQ(MakePalette(full).Entries, TestColours(256));

  const BmpInfo twenty = ReadGood({.Bits = 8, .ColoursUsed = 20});
  EXPECT_EQ(twenty.ColoursUsed, 20u);
  EXPECT_EQ(PaletteColourCount(twenty), 20);
  EXPECT_EQ(MakePalette(twenty).Entries, TestColours(20));

  for (int bits : {16, 24, 32}) {
    const BmpInfo deep = ReadGood({.Width = 3, .Height = 2, .Bits = bits});
    EXPECT_GT(PaletteColourCount(deep), 256) << bits;
    EXPECT_TRUE(deep.ColourTable.empty()) << bits;
    const ColourPalette palette = MakePalette(deep);
    EXPECT_TRUE(palette.Halftone) << bits;
    EXPECT_TRUE(palette.Entries.empty()) << bits;
  }
  // A deep picture stays halftone even when its header names a few colours.
  EXPECT_TRUE(
      MakePalette(ReadGood({.Bits = 24, .ColoursUsed = 4, .Table = TestColours(4)})).Halftone);
}

TEST(BmpHeader, ReadsEveryHeaderForm)
{
  const BmpInfo core = ReadGood({.Width = 300, .Height = 2, .Bits = 4, .HeaderSize = 12});
  EXPECT_EQ(core.Width, 300);
  EXPECT_EQ(core.Height, 2);
  EXPECT_EQ(core.BitsPerPixel, 4);
  EXPECT_EQ(MakePalette(core).Entries, TestColours(16));

  for (int headerSize : {52, 56, 108, 124}) {
    const BmpInfo info =
        ReadGood({.Width = 7, .Height = 9, .Bits = 8, .ColoursUsed = 3, .HeaderSize = headerSize});
    EXPECT_EQ(info.Width, 7) << headerSize;
    EXPECT_EQ(MakePalette(info).Entries, TestColours(3)) << headerSize;
  }

  const BmpInfo topDown = ReadGood({.Width = 4, .Height = 6, .Bits = 24, .TopDown = true});
  EXPECT_TRUE(topDown.TopDown);
  EXPECT_EQ(topDown.Height, 6);
  EXPECT_FALSE(ReadGood({.Bits = 24}).TopDown);

  const BmpInfo fields = ReadGood({.Width = 3, .Height = 3, .Bits = 16, .Compression = 3});
  EXPECT_EQ(fields.Compression, BmpBitFields);
  EXPECT_EQ(ReadGood({.Bits = 32, .Compression = 3, .HeaderSize = 108}).BitsPerPixel, 32);

  // Run-length data is not measured against the header, only required to exist.
  auto rle = MakeBmp({.Width = 64, .Height = 64, .Bits = 8, .Compression = 1});
  rle.resize(14 + 40 + 256 * 4 + 2);
  const BmpReadResult result = ReadBmpHeader(rle);
  ASSERT_TRUE(result.Info.has_value()) << result.Problem;
  EXPECT_EQ(result.Info->Compression, BmpRle8);
}

TEST(BmpHeader, RefusesDamagedAndAbsurdFiles)
{
  EXPECT_EQ(ProblemOf({}), "it is not a BMP file");
  EXPECT_EQ(ProblemOf({'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
            "it is not a BMP file");

  // Every cut of a good file is refused, whether in the headers, the
  // colour table or the pixels.
  const auto good = MakeBmp({.Width = 5, .Height = 4, .Bits = 4});
  for (std::size_t size = 0; size < good.size(); ++size) {
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(size));
    EXPECT_FALSE(ReadBmpHeader(cut).Info.has_value()) << "cut at " << size;
  }
  EXPECT_EQ(ProblemOf(std::vector<std::uint8_t>(good.begin(), good.begin() + 30)),
            "it is truncated");
  EXPECT_EQ(ProblemOf(std::vector<std::uint8_t>(good.begin(), good.end() - 1)),
            "it holds fewer pixels than its header promises");

  auto huge = MakeBmp({.Width = 2, .Height = 2, .Bits = 24});
  SetU32(huge, 18, 100000);
  SetU32(huge, 22, 100000);
  EXPECT_EQ(ProblemOf(huge), "its size of 100000 x 100000 pixels is too large");
  SetU32(huge, 18, 10000); // each side allowed, but 70 million pixels together
  SetU32(huge, 22, 7000);
  EXPECT_NE(ProblemOf(huge).find("too large"), std::string::npos);
  SetU32(huge, 18, 2);
  SetU32(huge, 22, static_cast<std::uint32_t>(INT_MIN)); // top-down, 2^31 rows
  EXPECT_NE(ProblemOf(huge).find("2147483648 pixels is too large"), std::string::npos);
  SetU32(huge, 22, 0);
  EXPECT_EQ(ProblemOf(huge), "its size of 2 x 0 pixels is not valid");

  // The header promises more rows than the file holds.
  auto tall = MakeBmp({.Width = 8, .Height = 8, .Bits = 8});
  SetU32(tall, 22, 9);
  EXPECT_EQ(ProblemOf(tall), "it holds fewer pixels than its header promises");

  EXPECT_NE(ProblemOf(MakeBmp({.Bits = 24, .Compression = 4})).find("compression"),
            std::string::npos);
  EXPECT_NE(ProblemOf(MakeBmp({.Bits = 4, .Compression = 1})).find("compression"),
            std::string::npos);
  EXPECT_NE(ProblemOf(MakeBmp({.Bits = 24, .Compression = 3})).find("compression"),
            std::string::npos);
  EXPECT_NE(ProblemOf(MakeBmp({.Bits = 8, .TopDown = true, .Compression = 1})).find("compression"),
            std::string::npos);

  auto many = MakeBmp({.Bits = 8});
  SetU32(many, 46, 300);
  EXPECT_NE(ProblemOf(many).find("300 colours"), std::string::npos);
  SetU32(many, 46, 0);
  SetU32(many, 10, static_cast<std::uint32_t>(many.size()) + 1000);
  EXPECT_EQ(ProblemOf(many), "it holds no pixel data");

  auto odd = MakeBmp({.Bits = 8});
  SetU32(odd, 14, 64);
  EXPECT_NE(ProblemOf(odd).find("header"), std::string::npos);
  odd = MakeBmp({.Bits = 8});
  odd[26] = 2; // planes
  EXPECT_EQ(ProblemOf(odd), "its header is damaged");
  odd = MakeBmp({.Bits = 8});
  odd[28] = 7;
  EXPECT_NE(ProblemOf(odd).find("7 bits per pixel"), std::string::npos);
}
