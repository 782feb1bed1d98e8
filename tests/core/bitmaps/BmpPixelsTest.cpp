#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "bitmaps/BmpPixels.h"
#include "common/BmpMaker.h"

namespace {

using Rgb = std::array<int, 3>;

// A 3 x 2 picture given top row first: its words, the colours they show.
struct PackedCase {
  std::string Name;
  BmpRecipe Recipe; // depth, compression, header and masks; size and pixels are filled in
  std::array<std::uint32_t, 6> Words;
  std::array<Rgb, 6> Colours;
};

// Names the case when a test fails.
void PrintTo(const PackedCase& row, std::ostream* out)
{
  *out << row.Name;
}

std::vector<std::uint8_t> PackedFile(BmpRecipe recipe, const std::array<std::uint32_t, 6>& words)
{
  recipe.Width = 3;
  recipe.Height = 2;
  recipe.Pixels = StoredPixels(recipe, {words.begin(), words.end()});
  return MakeBmp(recipe);
}

class PackedPixels : public ::testing::TestWithParam<PackedCase> {};

} // namespace

TEST_P(PackedPixels, DecodeToTheColoursTheMasksName)
{
  const PackedCase& c = GetParam();
  const auto file = PackedFile(c.Recipe, c.Words);
  const BmpReadResult header = ReadBmpHeader(file);
  ASSERT_TRUE(header.Info) << header.Problem;
  ASSERT_TRUE(HasPackedPixels(*header.Info));
  const auto pixels = DecodePackedPixels(file, *header.Info);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->Width, 3);
  EXPECT_EQ(pixels->Height, 2);
  ASSERT_EQ(pixels->Rgb.size(), 18u);
  for (std::size_t i = 0; i < 6; ++i) {
    const Rgb got = {pixels->Rgb[i * 3], pixels->Rgb[i * 3 + 1], pixels->Rgb[i * 3 + 2]};
    EXPECT_EQ(got, c.Colours[i]) << "pixel " << i;
  }
}

namespace {

const std::array<std::uint32_t, 6> Words565 = {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000, 0x8410};
const std::array<Rgb, 6> Colours565 = {Rgb{248, 0, 0},  {0, 252, 0}, {0, 0, 248},
                                       {248, 252, 248}, {0, 0, 0},   {128, 128, 128}};
const std::array<std::uint32_t, 6> Words555 = {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x8000, 0x4210};
const std::array<Rgb, 6> Colours555 = {Rgb{248, 0, 0},  {0, 248, 0}, {0, 0, 248},
                                       {248, 248, 248}, {0, 0, 0},   {128, 128, 128}};
constexpr std::array<std::uint32_t, 3> Masks555 = {0x7C00, 0x03E0, 0x001F};

} // namespace

INSTANTIATE_TEST_SUITE_P(
    BmpPixels, PackedPixels,
    ::testing::Values(
        PackedCase{
            "MasksAfterTheShortHeader", {.Bits = 16, .Compression = 3}, Words565, Colours565},
        PackedCase{
            "TopDown", {.Bits = 16, .TopDown = true, .Compression = 3}, Words565, Colours565},
        PackedCase{"MasksInsideAV4Header",
                   {.Bits = 16, .Compression = 3, .HeaderSize = 108},
                   Words565,
                   Colours565},
        PackedCase{"FiveFiveFiveMasks",
                   {.Bits = 16, .Compression = 3, .Masks = Masks555},
                   Words555,
                   Colours555},
        PackedCase{"Uncompressed16BitsAreFiveFiveFive", {.Bits = 16}, Words555, Colours555},
        // The top bit lies outside every mask, as alpha does.
        PackedCase{"MasksInAnotherOrder",
                   {.Bits = 32, .Compression = 3, .Masks = {0x0000FF, 0x00FF00, 0xFF0000}},
                   {0xFF0000FF, 0x00123456, 0x00FF0000, 0x80FFFFFF, 0, 0x00010203},
                   {Rgb{255, 0, 0},
                    {0x56, 0x34, 0x12},
                    {0, 0, 255},
                    {255, 255, 255},
                    {0, 0, 0},
                    {3, 2, 1}}},
        PackedCase{"Uncompressed32BitsIgnoreTheTopByte",
                   {.Bits = 32},
                   {0xFFFF0000, 0x00123456, 0x000000FF, 0x00FFFFFF, 0xFF000000, 0x00010203},
                   {Rgb{255, 0, 0},
                    {0x12, 0x34, 0x56},
                    {0, 0, 255},
                    {255, 255, 255},
                    {0, 0, 0},
                    {1, 2, 3}}},
        // Ten bits per colour keep their highest eight; the masks lie in a
        // 52-byte header.
        PackedCase{
            "WideMasksKeepTheirHighBits",
            {.Bits = 32,
             .Compression = 3,
             .HeaderSize = 52,
             .Masks = {0x3FF00000, 0x000FFC00, 0x000003FF}},
            {512u << 20 | 256u << 10 | 4u, 0x000FFC00, 0x000003FF, 0x3FFFFFFF, 0xC0000000,
             4u << 20 | 8u << 10 | 12u},
            {Rgb{128, 64, 1}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}, {1, 2, 3}}},
        PackedCase{
            "AZeroMaskGivesNoColour",
            {.Bits = 16, .Compression = 3, .Masks = {0xF800, 0, 0x001F}},
            {0xFFFF, 0x07E0, 0xF800, 0x001F, 0, 0x8410},
            {Rgb{248, 0, 248}, {0, 0, 0}, {248, 0, 0}, {0, 0, 248}, {0, 0, 0}, {128, 0, 128}}}),
    [](const auto& row) { return row.param.Name; });

TEST(BmpPixels, OtherKindsAndShortFilesGiveNothing)
{
  const auto indexed = MakeBmp({.Bits = 8});
  const BmpInfo indexedInfo = ReadBmpHeader(indexed).Info.value();
  EXPECT_FALSE(HasPackedPixels(indexedInfo));
  EXPECT_FALSE(DecodePackedPixels(indexed, indexedInfo));
  EXPECT_FALSE(HasPackedPixels(ReadBmpHeader(MakeBmp({.Bits = 24})).Info.value()));

  // A file that lost its last byte after its header was read.
  const auto file = MakeBmp({.Width = 5, .Height = 3, .Bits = 16, .Compression = 3});
  const BmpInfo info = ReadBmpHeader(file).Info.value();
  ASSERT_TRUE(DecodePackedPixels(file, info));
  const std::vector<std::uint8_t> cut(file.begin(), file.end() - 1);
  EXPECT_FALSE(DecodePackedPixels(cut, info));
  EXPECT_FALSE(DecodePackedPixels(std::span(file).first(20), info));
}
