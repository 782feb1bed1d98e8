#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "bitmaps/BitmapLoading.h"
#include "common/BmpMaker.h"
#include "common/TovelsFolderTest.h"
#include "model/Tovel.h"

namespace fs = std::filesystem;

namespace {

// What this process has read from files so far, where the system tells.
std::optional<std::uint64_t> BytesReadSoFar()
{
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return std::nullopt;
}

class BitmapLoading : public TovelsFolderTest {
protected:
  static int PictureWidth(int slot)
  {
    const Picture* picture = BitmapImages[slot].Bitmap.get();
    return picture ? picture->Width() : -1;
  }

  static int Pictures()
  {
    return static_cast<int>(
        std::count_if(BitmapImages.begin(), BitmapImages.end(),
                      [](const BitmapSlot& slot) { return slot.Bitmap != nullptr; }));
  }

  void Write(const std::string& name, const BmpRecipe& recipe)
  {
    WriteBytes(Folder.Path() / name, MakeBmp(recipe));
  }
};

} // namespace

TEST_F(BitmapLoading, UnusableFileEmptiesTheSlotAndKeepsTheName)
{
  Write("lamp.bmp", {.Width = 12, .Height = 10, .Bits = 4});
  BitmapNames[2] = "lamp.bmp";
  std::string problem = "stale";
  ASSERT_TRUE(LoadBitmapSlot(2, &problem));
  EXPECT_EQ(problem, "");
  EXPECT_EQ(Pictures(), 1);

  // The file goes away: the old picture is released and the slot is empty.
  fs::remove(Folder.Path() / "lamp.bmp");
  EXPECT_TRUE(LoadBitmapSlot(2, &problem));
  EXPECT_EQ(BitmapNames[2], "lamp.bmp");
  EXPECT_EQ(BitmapImages[2].Width, 0);
  EXPECT_EQ(BitmapImages[2].Height, 0);
  EXPECT_EQ(BitmapImages[2].Bitmap, nullptr);
  EXPECT_EQ(BitmapImages[2].Palette, nullptr);
  EXPECT_EQ(Pictures(), 0);
  EXPECT_EQ(problem, "The bitmap file " + (Folder.Path() / "lamp.bmp").string() +
                         " could not be read: it does not exist.");

  // Other kinds of unusable file, each reported with its reason.
  WriteBytes(Folder.Path() / "lamp.bmp", {'G', 'I', 'F', '8', '9', 'a'});
  LoadBitmapSlot(2, &problem);
  EXPECT_NE(problem.find("lamp.bmp could not be read: it is not a BMP file."), std::string::npos);
  fs::remove(Folder.Path() / "lamp.bmp");
  fs::create_directory(Folder.Path() / "lamp.bmp");
  LoadBitmapSlot(2, &problem);
  EXPECT_NE(problem.find("folder"), std::string::npos);
  fs::remove(Folder.Path() / "lamp.bmp");

  // A file past the size limit is refused without being read whole.
  Write("big.bmp", {.Bits = 24});
  fs::resize_file(Folder.Path() / "big.bmp", MaxBitmapFileBytes + 1);
  BitmapNames[3] = "big.bmp";
  LoadBitmapSlot(3, &problem);
  EXPECT_NE(problem.find("larger than 64 MiB"), std::string::npos);
  EXPECT_EQ(BitmapImages[3].Palette, nullptr);

  BitmapNames[4].clear();
  EXPECT_TRUE(LoadBitmapSlot(4, &problem));
  EXPECT_EQ(problem, "Bitmap 4 has no file name.");

  // Slots outside the table change nothing.
  problem = "untouched";
  EXPECT_FALSE(LoadBitmapSlot(-1, &problem));
  EXPECT_FALSE(LoadBitmapSlot(MaxBitmaps, &problem));
  EXPECT_EQ(problem, "untouched");
  EXPECT_TRUE(LoadBitmapSlot(2)); // no problem text wanted
}

TEST_F(BitmapLoading, ReloadingReplacesPictureSizeAndPalette)
{
  Write("pump.bmp", {.Width = 16, .Height = 8, .Bits = 8});
  BitmapNames[0] = "pump.bmp";
  BitmapCount = 1;
  std::string problem;
  LoadBitmapSlot(0, &problem);
  EXPECT_EQ(problem, "");
  EXPECT_EQ(BitmapImages[0].Width, 16);
  EXPECT_EQ(BitmapImages[0].Height, 8);
  EXPECT_EQ(PictureWidth(0), 16);
  ASSERT_NE(BitmapImages[0].Palette, nullptr);
  EXPECT_EQ(BitmapImages[0].Palette->Entries.size(), 256u);
  EXPECT_EQ(BitmapImages[0].Palette->Entries[7], TestColour(7));

  Write("pump.bmp", {.Width = 32, .Height = 24, .Bits = 24});
  LoadBitmapSlot(0, &problem);
  LoadBitmapSlot(0, &problem);
  EXPECT_EQ(problem, "");
  EXPECT_EQ(BitmapImages[0].Width, 32);
  EXPECT_EQ(BitmapImages[0].Height, 24);
  EXPECT_EQ(PictureWidth(0), 32);
  ASSERT_NE(BitmapImages[0].Palette, nullptr);
  EXPECT_TRUE(BitmapImages[0].Palette->Halftone);
  EXPECT_EQ(Pictures(), 1);

  // Pixels that cannot be decoded (runs that stop long before the picture
  // is complete) are reported and the slot shows nothing, but it keeps the
  // header's size and palette: sizes never depend on the pixels.
  Write("pump.bmp", {.Width = 32, .Height = 24, .Bits = 8, .Compression = 1, .Pixels = {4, 1}});
  LoadBitmapSlot(0, &problem);
  EXPECT_NE(problem.find("could not be decoded"), std::string::npos);
  EXPECT_EQ(BitmapImages[0].Bitmap, nullptr);
  EXPECT_EQ(BitmapImages[0].Width, 32);
  EXPECT_EQ(BitmapImages[0].Height, 24);
  EXPECT_NE(BitmapImages[0].Palette, nullptr);
  EXPECT_EQ(Pictures(), 0);
}

TEST_F(BitmapLoading, SizesAloneAreReadFromTheStartOfTheFile)
{
  // 1000 x 1000 at 24 bits: three million bytes of pixels.
  Write("wall.bmp", {.Width = 1000, .Height = 1000, .Bits = 24});
  Write("lamp.bmp", {.Width = 12, .Height = 10, .Bits = 4});
  BitmapNames[0] = "wall.bmp";
  BitmapNames[1] = "lamp.bmp";
  BitmapCount = 2;
  const auto before = BytesReadSoFar();
  EXPECT_TRUE(LoadAllBitmapSlots(BitmapDetail::SizeOnly).empty());
  if (const auto after = BytesReadSoFar(); before && after) {
    EXPECT_LT(*after - *before, 100'000u) << "the pixels were read";
  }
  EXPECT_EQ(BitmapImages[0].Width, 1000);
  EXPECT_EQ(BitmapImages[1].Height, 10);
  ASSERT_NE(BitmapImages[1].Palette, nullptr);
  EXPECT_EQ(BitmapImages[1].Palette->Entries.size(), 16u);
  EXPECT_EQ(Pictures(), 0);

  // A file too short for its pixels is refused as it is when read whole.
  fs::resize_file(Folder.Path() / "wall.bmp", 3000);
  const auto problems = LoadAllBitmapSlots(BitmapDetail::SizeOnly);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("fewer pixels"), std::string::npos);
}

TEST_F(BitmapLoading, LoadAllStopsAtTheBitmapCount)
{
  Write("a.bmp", {.Width = 10, .Height = 10, .Bits = 1});
  Write("c.bmp", {.Width = 30, .Height = 20, .Bits = 4});
  BitmapNames[0] = "a.bmp";
  BitmapNames[1] = "b.bmp";
  BitmapNames[2] = "c.bmp";
  BitmapNames[3] = "a.bmp";
  for (auto& slot : BitmapImages) slot.Width = -7; // marks slots left alone

  EXPECT_TRUE(LoadAllBitmapSlots().empty());
  EXPECT_EQ(Pictures(), 0);
  EXPECT_EQ(BitmapImages[0].Width, -7);

  BitmapCount = 3;
  const std::vector<std::string> problems = LoadAllBitmapSlots();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("b.bmp could not be read: it does not exist."), std::string::npos);
  EXPECT_EQ(BitmapImages[0].Width, 10);
  EXPECT_EQ(BitmapImages[2].Width, 30);
  EXPECT_EQ(BitmapImages[1].Width, 0);
  EXPECT_EQ(BitmapImages[3].Width, -7); // beyond the count
  EXPECT_EQ(Pictures(), 2);
}

TEST_F(BitmapLoading, AfterAnUndoKnownNamesKeepTheirPicturesAndOnlyNewOnesAreRead)
{
  Write("a.bmp", {.Width = 10, .Height = 10, .Bits = 1});
  Write("b.bmp", {.Width = 20, .Height = 10, .Bits = 1});
  BitmapNames[0] = "a.bmp";
  BitmapNames[1] = "b.bmp";
  BitmapCount = 2;
  ASSERT_TRUE(LoadAllBitmapSlots().empty());
  const Picture* b = BitmapImages[1].Bitmap.get();
  const auto oldNames = BitmapNames;

  // b moves to slot 0 without being read again: its file has gone.
  std::filesystem::remove(Folder.Path() / "b.bmp");
  Write("c.bmp", {.Width = 30, .Height = 10, .Bits = 1});
  BitmapNames = {"b.bmp", "c.bmp", "missing.bmp"};
  BitmapCount = 3;
  const auto problems = FollowBitmapNames(oldNames);
  EXPECT_EQ(BitmapImages[0].Bitmap.get(), b);
  EXPECT_EQ(BitmapImages[0].Width, 20);
  EXPECT_EQ(BitmapImages[1].Width, 30);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("missing.bmp"), std::string::npos);
  EXPECT_EQ(Pictures(), 2); // a's picture is let go
}

TEST_F(BitmapLoading, NamesAreFoundIgnoringLetterCase)
{
  fs::create_directory(Folder.Path() / "pumps");
  Write("pumps/pump.bmp", {.Width = 48, .Height = 32, .Bits = 8});
  BitmapNames[5] = "PUMPS\\PUMP.BMP";
  std::string problem;
  LoadBitmapSlot(5, &problem);
  EXPECT_EQ(problem, "");
  EXPECT_EQ(BitmapImages[5].Width, 48);
  EXPECT_EQ(BitmapImages[5].Height, 32);
  EXPECT_EQ(BitmapNames[5], "PUMPS\\PUMP.BMP");
}
