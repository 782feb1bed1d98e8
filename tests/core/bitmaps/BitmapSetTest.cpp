#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "bitmaps/BitmapLoading.h"
#include "bitmaps/BitmapSet.h"
#include "common/BmpMaker.h"
#include "common/TovelsFolderTest.h"
#include "model/Tovel.h"
#include "model/TovelFile.h"
#include "platform/FileCopy.h"
#include "platform/Listing.h"

namespace fs = std::filesystem;

namespace {

class BitmapSet : public TovelsFolderTest {
protected:
  // Puts a BMP of the given width at folder/name in the tovels folder.
  void WriteBmp(const std::string& relative, int width = 8)
  {
    fs::create_directories((Folder.Path() / relative).parent_path());
    WriteBytes(Folder.Path() / relative, MakeBmp({.Width = width}));
  }

  // Fills slots 0..count-1 with names of files that exist, widths 1..count.
  void FillSlots(int count)
  {
    for (int i = 0; i < count; ++i) {
      const std::string name = "set/b" + std::to_string(i) + ".bmp";
      WriteBmp(name, i + 1);
      ASSERT_EQ(AddBitmap("set\\b" + std::to_string(i) + ".bmp").Outcome, AddBitmapOutcome::Added);
    }
  }
};

} // namespace

TEST(BitmapShortNameTest, FollowsTheFirstBackslashAndFullStop)
{
  EXPECT_EQ(BitmapShortName("pic.bmp"), "pic");
  EXPECT_EQ(BitmapShortName("walls\\pic.bmp"), "pic");
  EXPECT_EQ(BitmapShortName("pic"), "pic");
  EXPECT_EQ(BitmapShortName("old.set\\pic.bmp"), "pic.bmp");
  EXPECT_EQ(BitmapShortName("a\\b\\c.bmp"), "b\\c");
  EXPECT_EQ(BitmapShortName("walls\\pic"), "pic");
  EXPECT_EQ(BitmapShortName("a\\.bmp"), ".bmp");
  EXPECT_EQ(BitmapShortName(""), "");
}

TEST_F(BitmapSet, AddStoresLoadsAndFindsNamesIgnoringCase)
{
  WriteBmp("Pumps/Pump.bmp", 12);
  const AddBitmapResult added = AddBitmap("Pumps\\Pump.bmp");
  EXPECT_EQ(added.Outcome, AddBitmapOutcome::Added);
  EXPECT_EQ(added.Slot, 0);
  EXPECT_TRUE(added.LoadProblem.empty()) << added.LoadProblem;
  EXPECT_EQ(BitmapCount, 1);
  EXPECT_EQ(BitmapNames[0], "Pumps\\Pump.bmp");
  EXPECT_EQ(BitmapImages[0].Width, 12);

  // The same file named in other letter case is the slot already held.
  const AddBitmapResult again = AddBitmap("PUMPS\\pump.BMP");
  EXPECT_EQ(again.Outcome, AddBitmapOutcome::AlreadyInSet);
  EXPECT_EQ(again.Slot, 0);
  EXPECT_EQ(BitmapCount, 1);
  EXPECT_EQ(BitmapNames[0], "Pumps\\Pump.bmp");

  // A missing file still takes a slot, shown empty, and says why.
  const AddBitmapResult missing = AddBitmap("Pumps\\gone.bmp");
  EXPECT_EQ(missing.Outcome, AddBitmapOutcome::Added);
  EXPECT_EQ(missing.Slot, 1);
  EXPECT_NE(missing.LoadProblem.find("gone.bmp"), std::string::npos) << missing.LoadProblem;
  EXPECT_EQ(BitmapImages[1].Width, 0);
  EXPECT_EQ(BitmapCount, 2);
}

TEST_F(BitmapSet, AddRefusesTheTwentyFirstAndNamesAFileCannotHold)
{
  FillSlots(MaxBitmaps);
  ASSERT_EQ(BitmapCount, 20);
  const AddBitmapResult full = AddBitmap("set\\new.bmp");
  EXPECT_EQ(full.Outcome, AddBitmapOutcome::SetFull);
  EXPECT_EQ(BitmapCount, 20);
  // A name in the set is still found when the set is full.
  EXPECT_EQ(AddBitmap("SET\\B19.BMP").Outcome, AddBitmapOutcome::AlreadyInSet);
  EXPECT_EQ(AddBitmap("SET\\B19.BMP").Slot, 19);

  ResetTovel();
  for (const std::string& bad : {std::string("a;b\\c.bmp"), std::string("a\\c\r.bmp"),
                                 std::string("a\\c\n.bmp"), std::string()}) {
    const AddBitmapResult refused = AddBitmap(bad);
    EXPECT_EQ(refused.Outcome, AddBitmapOutcome::Refused) << bad;
    EXPECT_FALSE(refused.Reason.empty());
  }
  EXPECT_EQ(BitmapCount, 0);

  // The line of names may grow to exactly the longest line and no further.
  const std::string first(300, 'x');
  ASSERT_EQ(AddBitmap(first).Outcome, AddBitmapOutcome::Added);
  const std::string tooLong(MaxTovelLineChars - 301, 'y');
  const AddBitmapResult longName = AddBitmap(tooLong);
  EXPECT_EQ(longName.Outcome, AddBitmapOutcome::Refused);
  EXPECT_NE(longName.Reason.find("510"), std::string::npos) << longName.Reason;
  const std::string fits(MaxTovelLineChars - 302, 'y');
  EXPECT_EQ(AddBitmap(fits).Outcome, AddBitmapOutcome::Added);
  EXPECT_EQ(NamesLineLength(TheTovel), MaxTovelLineChars);
}

TEST_F(BitmapSet, RemoveMovesLaterSlotsDownAndRenumbersPictures)
{
  FillSlots(5);
  ItemCount = 3;
  ItemTable[0] = {0, 0, 10, 10, 0, 0, {"2", "3", "-1", "4"}};
  ItemTable[1] = {0, 0, 10, 10, FlagText, 0, {"2", "3", "4", "0"}};
  ItemTable[2] = {0, 0, 10, 10, FlagClickable, 0, {"1", "0", " 3x", "5"}};
  // Beyond ItemCount: not an item, left alone.
  ItemTable[3] = {0, 0, 10, 10, 0, 0, {"3", "3", "3", "3"}};
  InputLinks[0][0] = 2;
  MotorLinks[1][2] = 4;

  ASSERT_TRUE(RemoveBitmap(2));
  EXPECT_EQ(BitmapCount, 4);
  EXPECT_EQ(BitmapNames[1], "set\\b1.bmp");
  EXPECT_EQ(BitmapNames[2], "set\\b3.bmp");
  EXPECT_EQ(BitmapNames[3], "set\\b4.bmp");
  EXPECT_EQ(BitmapNames[4], "");
  EXPECT_EQ(BitmapImages[2].Width, 4); // the former slot 3
  EXPECT_EQ(BitmapImages[3].Width, 5);
  EXPECT_FALSE(BitmapImages[4].Palette);
  EXPECT_EQ(BitmapImages[4].Width, 0);
  EXPECT_EQ(BitmapImages[4].Height, 0);

  EXPECT_EQ(ItemTable[0].Contents, (std::array<std::string, 4>{"-1", "2", "-1", "3"}));
  EXPECT_EQ(ItemTable[1].Contents, (std::array<std::string, 4>{"2", "3", "4", "0"}));
  EXPECT_EQ(ItemTable[2].Contents, (std::array<std::string, 4>{"1", "0", "2", "4"}));
  EXPECT_EQ(ItemTable[3].Contents, (std::array<std::string, 4>{"3", "3", "3", "3"}));
  EXPECT_EQ(InputLinks[0][0], 2);
  EXPECT_EQ(MotorLinks[1][2], 4);
}

TEST_F(BitmapSet, RemoveOfTheLastAndOfSlotsNotInUse)
{
  FillSlots(3);
  ItemCount = 1;
  ItemTable[0] = {0, 0, 10, 10, 0, 0, {"2", "1", "abc", "0"}};
  EXPECT_FALSE(RemoveBitmap(3));
  EXPECT_FALSE(RemoveBitmap(-1));
  EXPECT_FALSE(RemoveBitmap(MaxBitmaps));
  EXPECT_EQ(BitmapCount, 3);

  ASSERT_TRUE(RemoveBitmap(2));
  EXPECT_EQ(BitmapCount, 2);
  EXPECT_EQ(BitmapNames[2], "");
  EXPECT_EQ(BitmapImages[2].Width, 0);
  EXPECT_EQ(ItemTable[0].Contents, (std::array<std::string, 4>{"-1", "1", "abc", "0"}));

  // A picture without a number counts as 0.
  ASSERT_TRUE(RemoveBitmap(0));
  EXPECT_EQ(BitmapNames[0], "set\\b1.bmp");
  EXPECT_EQ(ItemTable[0].Contents, (std::array<std::string, 4>{"-1", "0", "-1", "-1"}));
  ASSERT_TRUE(RemoveBitmap(0));
  EXPECT_EQ(BitmapCount, 0);
  EXPECT_FALSE(RemoveBitmap(0));
}

TEST_F(BitmapSet, NewFolderNamesAndCreation)
{
  EXPECT_FALSE(NewFolderNameProblem("Walls"));
  EXPECT_FALSE(NewFolderNameProblem("12345678"));
  EXPECT_FALSE(NewFolderNameProblem("Caf\xC3\xA9")); // é has a Windows-1252 form
  for (const char* bad : {"", "123456789", ".", "..", "a/b", "a\\b", "a:b", "a*", "a;b", "end.",
                          "end ", "\xE2\x82\xAC\xE2\x82\xAC\xC4\x80" /* Ā has no form */}) {
    const auto problem = NewFolderNameProblem(bad);
    EXPECT_TRUE(problem) << bad;
  }
  EXPECT_EQ(NewFolderNameProblem("123456789"), "Please enter no more than 8 characters.");
  // Eight characters, counted as a tovel file stores them.
  EXPECT_FALSE(NewFolderNameProblem("Caf\xC3\xA9"
                                    "Caf\xC3\xA9"));
  EXPECT_TRUE(NewFolderNameProblem("Caf\xC3\xA9"
                                   "Caf\xC3\xA9"
                                   "x"));

  const fs::path tovels = Folder.Path();
  EXPECT_FALSE(MakeBitmapFolder(tovels, "Walls"));
  EXPECT_TRUE(fs::is_directory(tovels / "Walls"));
  // Exists already, also in other letter case.
  EXPECT_TRUE(MakeBitmapFolder(tovels, "Walls"));
  const auto otherCase = MakeBitmapFolder(tovels, "WALLS");
  ASSERT_TRUE(otherCase);
  EXPECT_NE(otherCase->find("exists already"), std::string::npos) << *otherCase;
  EXPECT_EQ(platform::ListFolders(tovels), std::vector<std::string>{"Walls"});
  // A file of that name blocks it too; ".." never leaves the folder.
  Folder.Write("notes", "x");
  EXPECT_TRUE(MakeBitmapFolder(tovels, "notes"));
  EXPECT_TRUE(MakeBitmapFolder(tovels, ".."));
  EXPECT_TRUE(MakeBitmapFolder(tovels / "missing", "Walls"));
  EXPECT_FALSE(fs::exists(tovels / "missing"));
}

TEST_F(BitmapSet, CopyNeverOverwritesAndChecksTheName)
{
  const fs::path source = Folder.Write("outside/new.bmp", "new bytes");
  const fs::path existing = Folder.Write("walls/old.bmp", "old bytes");
  EXPECT_TRUE(platform::CopyFileNoOverwrite(source, existing));
  EXPECT_EQ(ReadFileText(existing), "old bytes");

#ifndef _WIN32
  // A link where the target would go is not followed.
  const fs::path victim = Folder.Write("victim.bmp", "victim");
  fs::create_symlink(victim, Folder.Path() / "walls" / "link.bmp");
  EXPECT_TRUE(platform::CopyFileNoOverwrite(source, Folder.Path() / "walls" / "link.bmp"));
  EXPECT_EQ(ReadFileText(victim), "victim");
#endif

  const fs::path target = Folder.Path() / "walls" / "new.bmp";
  EXPECT_FALSE(platform::CopyFileNoOverwrite(source, target));
  EXPECT_EQ(ReadFileText(target), "new bytes");
  const auto missing = platform::CopyFileNoOverwrite(Folder.Path() / "none.bmp",
                                                     Folder.Path() / "walls" / "none.bmp");
  ASSERT_TRUE(missing);
  EXPECT_NE(missing->find("none.bmp"), std::string::npos);
  EXPECT_FALSE(fs::exists(Folder.Path() / "walls" / "none.bmp"));
  EXPECT_TRUE(platform::CopyFileNoOverwrite(Folder.Path() / "walls", Folder.Path() / "w2.bmp"));
  EXPECT_FALSE(fs::exists(Folder.Path() / "w2.bmp"));

  // Into a bitmap folder: a name held in any letter case is never copied
  // beside, nor over, the file that has it.
  const fs::path walls = Folder.Path() / "walls";
  const fs::path upper = Folder.Write("outside/OLD.BMP", "upper bytes");
  const auto sameName = CopyBitmapIntoFolder(upper, walls);
  ASSERT_TRUE(sameName);
  EXPECT_NE(sameName->find("exists already"), std::string::npos) << *sameName;
  EXPECT_EQ(platform::ListFiles(walls, "old.bmp"), std::vector<std::string>{"old.bmp"});
  EXPECT_EQ(ReadFileText(walls / "old.bmp"), "old bytes");
  const fs::path fresh = Folder.Write("outside/fresh.bmp", "fresh bytes");
  EXPECT_FALSE(CopyBitmapIntoFolder(fresh, walls));
  EXPECT_EQ(ReadFileText(walls / "fresh.bmp"), "fresh bytes");
  EXPECT_TRUE(CopyBitmapIntoFolder(fresh, Folder.Path() / "missing"));
  EXPECT_FALSE(fs::exists(Folder.Path() / "missing"));

  EXPECT_FALSE(CopiedBitmapNameProblem("pump.bmp"));
  EXPECT_FALSE(CopiedBitmapNameProblem("FAN.BMP"));
  EXPECT_TRUE(CopiedBitmapNameProblem("pump.png"));
  EXPECT_TRUE(CopiedBitmapNameProblem("..\\..\\evil.bmp"));
  EXPECT_TRUE(CopiedBitmapNameProblem("a;b.bmp"));
  EXPECT_TRUE(CopiedBitmapNameProblem("\xC4\x80.bmp"));

  EXPECT_TRUE(UsableInBitmapName("pump.bmp"));
  EXPECT_FALSE(UsableInBitmapName(".."));
  EXPECT_FALSE(UsableInBitmapName("a\\b"));
  EXPECT_TRUE(BitmapTreeOrder("apple", "Banana"));
  EXPECT_FALSE(BitmapTreeOrder("Banana", "apple"));
  EXPECT_TRUE(BitmapTreeOrder("Pump", "pump"));
  EXPECT_TRUE(BitmapTreeOrder("\xC4rger", "Banana")); // an accented A among the A's
}

TEST_F(BitmapSet, ConvertedPicturesGetAShortBmpNameAndNeverReplaceAFile)
{
  const std::pair<const char*, const char*> names[] = {
      {"photo.png", "photo.bmp"},
      {"Sunset at sea.jpeg", "Sunset a.bmp"},
      {"\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9Fxyz.gif",
       "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F.bmp"}, // characters, not
                                                                                // bytes
      {"abcdefg. x.png", "abcdefg.bmp"},
      {"...png", "picture.bmp"},
      {"noextension", "noextens.bmp"},
  };
  for (const auto& [source, expected] : names) EXPECT_EQ(ConvertedBitmapName(source), expected);
  EXPECT_TRUE(IsBmpFileName("Fan.BmP"));
  EXPECT_FALSE(IsBmpFileName("fan.png"));

  EXPECT_FALSE(ConvertedPictureProblem(400, 320));
  EXPECT_EQ(ConvertedPictureProblem(401, 20).value_or(""),
            "The picture is 401 x 20 pixels, larger than the tovel page (400 x 320). Please "
            "choose a smaller picture.");
  EXPECT_TRUE(ConvertedPictureProblem(10, 321));

  fs::create_directory(Folder.Path() / "pumps");
  const std::vector<std::uint8_t> bytes = {'B', 'M', 1, 2};
  EXPECT_FALSE(WriteBitmapIntoFolder(bytes, "photo.bmp", Folder.Path() / "pumps"));
  EXPECT_EQ(ReadFileText(Folder.Path() / "pumps" / "photo.bmp"), "BM\x01\x02");
  const std::vector<std::uint8_t> other = {'X'};
  EXPECT_TRUE(WriteBitmapIntoFolder(other, "PHOTO.BMP", Folder.Path() / "pumps"));
  EXPECT_TRUE(WriteBitmapIntoFolder(other, "photo.bmp", Folder.Path() / "pumps"));
  EXPECT_EQ(ReadFileText(Folder.Path() / "pumps" / "photo.bmp"), "BM\x01\x02");
}

TEST(PictureNames, ReferencesFollowTheirBitmapsWhenTheSetChanges)
{
  TovelTables tables;
  tables.BitmapNames[0] = "LAMPS\\OFF.BMP";
  tables.BitmapNames[1] = "LAMPS\\ON.BMP";
  tables.BitmapNames[2] = "LAMPS\\RED.BMP";
  tables.BitmapCount = 3;
  std::array<std::string, 4> pictures = {"2", "0", "-1", "7"};
  const auto names = PictureNames(pictures, tables);
  EXPECT_EQ(names, (std::array<std::string, 4>{"LAMPS\\RED.BMP", "LAMPS\\OFF.BMP", "", ""}));

  // Unchanged set: every reference stays.
  FollowPictureNames(pictures, names, tables);
  EXPECT_EQ(pictures, (std::array<std::string, 4>{"2", "0", "-1", "7"}));

  // Slot 0 removed (the later ones move down) and a bitmap added at the
  // end: RED is now slot 1, OFF is gone.
  tables.BitmapNames[0] = "LAMPS\\ON.BMP";
  tables.BitmapNames[1] = "LAMPS\\RED.BMP";
  tables.BitmapNames[2] = "PUMPS\\PUMP.BMP";
  FollowPictureNames(pictures, names, tables);
  EXPECT_EQ(pictures, (std::array<std::string, 4>{"1", "-1", "-1", "7"}));

  // A name beyond the slots in use is no longer in the set.
  pictures = {"1", "-1", "-1", "-1"};
  tables.BitmapCount = 1;
  FollowPictureNames(pictures, {"LAMPS\\RED.BMP", "", "", ""}, tables);
  EXPECT_EQ(pictures[0], "-1");
}
