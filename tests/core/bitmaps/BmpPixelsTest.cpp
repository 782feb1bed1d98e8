#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "bitmaps/BmpPixels.h"
#include "bitmaps/PixelScaling.h"
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

// Every pixel of the picture, top row first.
std::vector<Rgb> ColoursOf(const Picture& picture)
{
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(picture.Width()) * picture.Height() * 3);
  const Rect whole{0, 0, picture.Width(), picture.Height()};
  EXPECT_TRUE(StretchPart(picture, picture.Width(), picture.Height(), whole, rgb));
  std::vector<Rgb> colours;
  for (std::size_t i = 0; i < rgb.size(); i += 3)
    colours.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});
  return colours;
}

std::unique_ptr<Picture> Decode(const std::vector<std::uint8_t>& file)
{
  const BmpReadResult header = ReadBmpHeader(file);
  EXPECT_TRUE(header.Info) << header.Problem;
  return header.Info ? DecodeBmp(file, *header.Info) : nullptr;
}

} // namespace

TEST_P(PackedPixels, DecodeToTheColoursTheMasksName)
{
  const PackedCase& c = GetParam();
  const auto picture = Decode(PackedFile(c.Recipe, c.Words));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 3);
  EXPECT_EQ(picture->Height(), 2);
  const std::vector<Rgb> colours = ColoursOf(*picture);
  EXPECT_EQ(colours, std::vector<Rgb>(c.Colours.begin(), c.Colours.end()));
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

namespace {

// A 3 x 2 picture of colour indexes as stored, and the table indexes it
// shows top row first (-1: black).
struct IndexedCase {
  std::string Name;
  BmpRecipe Recipe;
  std::array<int, 6> Shown;
};

void PrintTo(const IndexedCase& row, std::ostream* out)
{
  *out << row.Name;
}

class IndexedPixels : public ::testing::TestWithParam<IndexedCase> {};

} // namespace

TEST_P(IndexedPixels, ShowTheirTableColours)
{
  BmpRecipe recipe = GetParam().Recipe;
  recipe.Width = 3;
  recipe.Height = 2;
  const auto picture = Decode(MakeBmp(recipe));
  ASSERT_TRUE(picture);
  std::vector<Rgb> expected;
  for (const int index : GetParam().Shown) {
    const PaletteEntry colour = index < 0 ? PaletteEntry{} : TestColour(index);
    expected.push_back({colour.Red, colour.Green, colour.Blue});
  }
  EXPECT_EQ(ColoursOf(*picture), expected);
}

INSTANTIATE_TEST_SUITE_P(
    BmpPixels, IndexedPixels,
    ::testing::Values(
        // Rows are padded to four bytes and stored bottom row first.
        IndexedCase{
            "EightBits", {.Bits = 8, .Pixels = {7, 8, 9, 0, 1, 2, 3, 0}}, {1, 2, 3, 7, 8, 9}},
        IndexedCase{"OldCoreHeader",
                    {.Bits = 8, .HeaderSize = 12, .Pixels = {7, 8, 9, 0, 1, 2, 3, 0}},
                    {1, 2, 3, 7, 8, 9}},
        // Past the end of a short table there is no colour.
        IndexedCase{"IndexBeyondTheTable",
                    {.Bits = 8, .ColoursUsed = 4, .Pixels = {3, 4, 200, 0, 0, 1, 2, 0}},
                    {0, 1, 2, 3, -1, -1}},
        // A run of three, then a row given index by index.
        IndexedCase{"RunLength8",
                    {.Bits = 8, .Compression = 1, .Pixels = {3, 5, 0, 0, 0, 3, 6, 7, 8, 0, 0, 1}},
                    {6, 7, 8, 5, 5, 5}},
        // A delta skips the rest of the bottom row and the first pixel of
        // the top one: skipped pixels show the first colour.
        IndexedCase{"RunLengthSkips",
                    {.Bits = 8, .Compression = 1, .Pixels = {1, 9, 0, 2, 0, 1, 2, 4, 0, 1}},
                    {0, 4, 4, 9, 0, 0}},
        // Runs alternate two indexes; absolute nibbles pad to a word.
        IndexedCase{
            "RunLength4",
            {.Bits = 4, .Compression = 2, .Pixels = {3, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}},
            {3, 4, 5, 1, 2, 1}}),
    [](const auto& row) { return row.param.Name; });

TEST(BmpPixels, KeepTheFilesBytesAndRefuseShortFiles)
{
  // An uncompressed picture costs the memory of its file: its rows stay
  // where the file has them.
  const auto file = MakeBmp({.Width = 500, .Height = 300, .Bits = 24});
  const auto picture = Decode(file);
  ASSERT_TRUE(picture);
  EXPECT_LE(picture->ByteCount(), file.size() + 16);

  // A file that lost its last byte after its header was read, and runs that
  // end long before the picture is complete.
  const auto packed = MakeBmp({.Width = 5, .Height = 3, .Bits = 16, .Compression = 3});
  const BmpInfo info = ReadBmpHeader(packed).Info.value();
  EXPECT_TRUE(DecodeBmp(packed, info));
  EXPECT_FALSE(DecodeBmp({packed.begin(), packed.end() - 1}, info));
  EXPECT_FALSE(Decode(MakeBmp({.Bits = 8, .Compression = 1, .Pixels = {3, 5}})));
}
