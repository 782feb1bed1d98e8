// The editor's pictures of 16- and 32-bit BMP files.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include <wx/image.h>

#include "bitmaps/BitmapLoading.h"
#include "bitmaps/PictureLoading.h"
#include "common/BmpMaker.h"
#include "common/TempFolder.h"
#include "model/Tovel.h"

namespace {

struct PackedForm {
  std::string Name;
  BmpRecipe Recipe; // depth, compression, header, masks and direction
};

// Names the case when a test fails.
void PrintTo(const PackedForm& row, std::ostream* out)
{
  *out << row.Name;
}

class PackedPictures : public ::testing::TestWithParam<PackedForm> {
protected:
  void SetUp() override { TovelsFolder = m_folder.Path().string(); }
  void TearDown() override { ResetTovel(); }

  // Loads the picture into a slot as the editor does; its pixels, or an
  // empty image after a reported problem.
  wxImage Load(int slot, const BmpRecipe& recipe)
  {
    const std::string name = "form" + std::to_string(slot) + ".bmp";
    WriteBytes(m_folder.Path() / name, MakeBmp(recipe));
    BitmapNames[slot] = name;
    std::string problem;
    LoadBitmapSlot(slot, &problem);
    EXPECT_EQ(problem, "");
    const wxBitmap* bitmap = SlotBitmap(slot);
    return bitmap ? bitmap->ConvertToImage() : wxImage();
  }

  TempFolder m_folder{"tovel-pictures"};
};

// Red, green, blue, white, black and grey in 5-6-5 and in 5-5-5, and their
// 32-bit counterparts in the masks the cases use.
std::vector<std::uint32_t> Words(const BmpRecipe& recipe)
{
  if (recipe.Bits == 32)
    return {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF, 0x00000000, 0x00808080};
  if (recipe.Compression == 3 && recipe.Masks[1] == 0x07E0)
    return {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000, 0x8410};
  return {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x0000, 0x4210};
}

} // namespace

// Each form shows the same pixels as its twin with a 108-byte header,
// which the toolkit reads itself.
TEST_P(PackedPictures, ShowTheColoursOfTheirLongHeaderTwin)
{
  BmpRecipe recipe = GetParam().Recipe;
  recipe.Width = 3;
  recipe.Height = 2;
  recipe.Pixels = StoredPixels(recipe, Words(recipe));
  BmpRecipe twin = recipe;
  twin.HeaderSize = 108;

  const wxImage shown = Load(0, recipe);
  const wxImage expected = Load(1, twin);
  ASSERT_TRUE(shown.IsOk());
  ASSERT_TRUE(expected.IsOk());
  ASSERT_EQ(shown.GetSize(), wxSize(3, 2));
  ASSERT_EQ(expected.GetSize(), wxSize(3, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(shown.GetRed(x, y), expected.GetRed(x, y)) << x << "," << y;
      EXPECT_EQ(shown.GetGreen(x, y), expected.GetGreen(x, y)) << x << "," << y;
      EXPECT_EQ(shown.GetBlue(x, y), expected.GetBlue(x, y)) << x << "," << y;
    }
  // The first pixel is red, the second green, whichever way the rows lie.
  EXPECT_GT(shown.GetRed(0, 0), 200);
  EXPECT_EQ(shown.GetGreen(0, 0), 0);
  EXPECT_GT(shown.GetGreen(1, 0), 200);
  EXPECT_EQ(shown.GetRed(1, 0), 0);
}

constexpr std::array<std::uint32_t, 3> Masks555 = {0x7C00, 0x03E0, 0x001F};
constexpr std::array<std::uint32_t, 3> Masks888 = {0xFF0000, 0x00FF00, 0x0000FF};

INSTANTIATE_TEST_SUITE_P(
    PictureLoading, PackedPictures,
    ::testing::Values(
        PackedForm{"MasksAfterTheHeader16", {.Bits = 16, .Compression = 3}},
        PackedForm{"MasksAfterTheHeader16TopDown", {.Bits = 16, .TopDown = true, .Compression = 3}},
        PackedForm{"MasksAfterTheHeader555", {.Bits = 16, .Compression = 3, .Masks = Masks555}},
        PackedForm{"MasksAfterTheHeader32", {.Bits = 32, .Compression = 3, .Masks = Masks888}},
        PackedForm{"MasksAfterTheHeader32TopDown",
                   {.Bits = 32, .TopDown = true, .Compression = 3, .Masks = Masks888}},
        PackedForm{"MasksInA52ByteHeader", {.Bits = 16, .Compression = 3, .HeaderSize = 52}},
        PackedForm{"Uncompressed16", {.Bits = 16}},
        PackedForm{"Uncompressed16TopDown", {.Bits = 16, .TopDown = true}},
        PackedForm{"Uncompressed32", {.Bits = 32}}),
    [](const auto& row) { return row.param.Name; });
