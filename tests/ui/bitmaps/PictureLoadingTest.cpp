// The pictures the editor shows, checked against the toolkit's own reading
// of the same files.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <wx/image.h>
#include <wx/mstream.h>

#include "bitmaps/BitmapLoading.h"
#include "bitmaps/PictureLoading.h"
#include "common/BmpMaker.h"
#include "common/TempFolder.h"
#include "model/Tovel.h"
#include "support/PictureImages.h"

namespace {

struct PictureForm {
  std::string Name;
  BmpRecipe Recipe; // depth, compression, header and direction; pixels are made when not given
  // The toolkit reads some packed forms only with the longer header.
  bool ToolkitNeedsLongHeader = false;
};

// Names the case when a test fails.
void PrintTo(const PictureForm& row, std::ostream* out)
{
  *out << row.Name;
}

class PictureForms : public ::testing::TestWithParam<PictureForm> {
protected:
  void SetUp() override { TovelsFolder = m_folder.Path().string(); }
  void TearDown() override { ResetTovel(); }

  // The picture the editor shows for the file, as an image.
  wxImage Shown(const std::vector<std::uint8_t>& file)
  {
    WriteBytes(m_folder.Path() / "form.bmp", file);
    BitmapNames[0] = "form.bmp";
    std::string problem;
    LoadBitmapSlot(0, &problem);
    EXPECT_EQ(problem, "");
    const Picture* picture = SlotPicture(0);
    return picture ? ImageOf(*picture) : wxImage();
  }

  TempFolder m_folder{"tovel-pictures"};
};

wxImage ReadByToolkit(const std::vector<std::uint8_t>& file)
{
  wxMemoryInputStream stream(file.data(), file.size());
  wxImage image;
  image.LoadFile(stream, wxBITMAP_TYPE_BMP);
  return image;
}

// Pixel bytes of any value, rows padded to four bytes.
std::vector<std::uint8_t> Noise(const BmpRecipe& recipe)
{
  std::mt19937 random(static_cast<unsigned>(recipe.Bits * 31 + recipe.Width));
  const std::size_t stride = (static_cast<std::size_t>(recipe.Width) * recipe.Bits + 31) / 32 * 4;
  std::vector<std::uint8_t> bytes(stride * static_cast<std::size_t>(recipe.Height));
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
  return bytes;
}

} // namespace

TEST_P(PictureForms, ShowWhatTheToolkitReads)
{
  BmpRecipe recipe = GetParam().Recipe;
  recipe.Width = recipe.Compression == 0 || recipe.Compression == 3 ? 13 : 3;
  recipe.Height = recipe.Compression == 0 || recipe.Compression == 3 ? 7 : 2;
  if (recipe.Pixels.empty()) recipe.Pixels = Noise(recipe);
  BmpRecipe twin = recipe;
  if (GetParam().ToolkitNeedsLongHeader) twin.HeaderSize = 108;

  const wxImage shown = Shown(MakeBmp(recipe));
  const wxImage expected = ReadByToolkit(MakeBmp(twin));
  ASSERT_TRUE(shown.IsOk());
  ASSERT_TRUE(expected.IsOk());
  ASSERT_EQ(shown.GetSize(), expected.GetSize());
  for (int y = 0; y < shown.GetHeight(); ++y)
    for (int x = 0; x < shown.GetWidth(); ++x) {
      ASSERT_EQ(shown.GetRed(x, y), expected.GetRed(x, y)) << x << "," << y;
      ASSERT_EQ(shown.GetGreen(x, y), expected.GetGreen(x, y)) << x << "," << y;
      ASSERT_EQ(shown.GetBlue(x, y), expected.GetBlue(x, y)) << x << "," << y;
    }
}

constexpr std::array<std::uint32_t, 3> Masks888 = {0xFF0000, 0x00FF00, 0x0000FF};

INSTANTIATE_TEST_SUITE_P(
    PictureLoading, PictureForms,
    ::testing::Values(
        PictureForm{"OneBit", {.Bits = 1}}, PictureForm{"FourBits", {.Bits = 4}},
        PictureForm{"EightBits", {.Bits = 8}},
        PictureForm{"EightBitsTopDown", {.Bits = 8, .TopDown = true}},
        PictureForm{"TwentyFourBits", {.Bits = 24}},
        // Runs, indexes as they stand, a skip, end of line and of picture.
        PictureForm{"RunLength8",
                    {.Bits = 8, .Compression = 1, .Pixels = {2, 5, 0, 0, 0, 3, 6, 7, 8, 0, 0, 1}}},
        PictureForm{
            "RunLength4",
            {.Bits = 4, .Compression = 2, .Pixels = {3, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 1}}},
        PictureForm{"Uncompressed32", {.Bits = 32}, true},
        PictureForm{"MasksAfterTheHeader32TopDown",
                    {.Bits = 32, .TopDown = true, .Compression = 3, .Masks = Masks888},
                    true}),
    [](const auto& row) { return row.param.Name; });

TEST(PictureLoading, PiecesFollowWhatIsWantedAndAreReleased)
{
  ReleaseStretchedPictures();
  std::vector<std::uint8_t> rgb(300 * 200 * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 7);
  BitmapImages[3].Bitmap = Picture::FromRgb(300, 200, rgb);
  const wxSize zoom4(1200, 800);

  // Only the part wanted is made, and it is given again for any part of it.
  const PicturePiece* piece = SlotPicturePiece(3, zoom4, wxRect(100, 50, 400, 320));
  ASSERT_TRUE(piece);
  EXPECT_EQ(wxRect(piece->At, piece->Bitmap.GetSize()), wxRect(100, 50, 400, 320));
  EXPECT_EQ(StretchedPicturePixels(), 400u * 320u);
  EXPECT_EQ(SlotPicturePiece(3, zoom4, wxRect(110, 60, 20, 20)), piece);
  // Another part or another size replaces it; a part outside gives nothing.
  piece = SlotPicturePiece(3, zoom4, wxRect(1000, 700, 500, 500));
  ASSERT_TRUE(piece);
  EXPECT_EQ(wxRect(piece->At, piece->Bitmap.GetSize()), wxRect(1000, 700, 200, 100));
  EXPECT_EQ(StretchedPicturePixels(), 200u * 100u);
  // A nearby part, as a second item showing the picture wants, joins it.
  piece = SlotPicturePiece(3, zoom4, wxRect(990, 690, 150, 80));
  ASSERT_TRUE(piece);
  EXPECT_EQ(wxRect(piece->At, piece->Bitmap.GetSize()), wxRect(990, 690, 210, 110));
  EXPECT_EQ(SlotPicturePiece(3, zoom4, wxRect(1200, 0, 10, 10)), nullptr);
  EXPECT_EQ(SlotPicturePiece(4, zoom4, wxRect(0, 0, 10, 10)), nullptr) << "an empty slot";

  ASSERT_TRUE(SlotPreview(3, wxSize(30, 20)));
  ReleaseStretchedPictures();
  EXPECT_EQ(StretchedPicturePixels(), 0u);
  ResetTovel();
}
