#include <gtest/gtest.h>

#include <string>

#include "common/TovelsFolderTest.h"
#include "editing/ItemClipboard.h"
#include "model/Tovel.h"

namespace {

class ItemClipboard : public TovelsFolderTest {
protected:
  // A tovel whose bitmap set holds `names` and whose item 0 is a picture
  // item showing slot 1, slot 0, nothing and a slot past the set.
  static TovelTables Source(std::initializer_list<const char*> names)
  {
    TovelTables tables;
    tables.ClearLinks();
    for (const char* name : names) tables.BitmapNames[tables.BitmapCount++] = name;
    tables.ItemTable[0] = {5, 6, 25, 26, FlagClickable, 0, {"1", "0", "-1", "7"}};
    tables.ItemCount = 1;
    return tables;
  }
};

TEST_F(ItemClipboard, APastedItemCarriesItsPicturesByNameIntoAnotherTovel)
{
  const CopiedItem copied = CopyItem(Source({"walls\\brick.bmp", "walls\\door.bmp"}), 0);
  EXPECT_EQ(copied.PictureNames,
            (std::array<std::string, 4>{"walls\\door.bmp", "walls\\brick.bmp", "", ""}));

  // The tovel pasted into knows one of the names, in other letters.
  TheTovel = Source({"WALLS\\BRICK.BMP"});
  const PasteResult pasted = PasteItem(copied);
  ASSERT_EQ(pasted.Outcome, PasteOutcome::Pasted);
  EXPECT_EQ(pasted.Item, 1);
  EXPECT_EQ(CurrentItem, 1);
  EXPECT_EQ(ItemCount, 2);
  EXPECT_EQ(BitmapCount, 2);
  EXPECT_EQ(BitmapNames[1], "walls\\door.bmp");
  // No file of that name in this tovels folder: the item shows it empty,
  // and the user is told.
  ASSERT_EQ(pasted.LoadProblems.size(), 1u);
  EXPECT_NE(pasted.LoadProblems[0].find("door.bmp"), std::string::npos);
  const TovelItem& item = ItemTable[1];
  EXPECT_EQ((std::array<int, 4>{item.Left, item.Top, item.Right, item.Bottom}),
            (std::array<int, 4>{15, 16, 35, 36}));
  EXPECT_EQ(item.Contents, (std::array<std::string, 4>{"1", "0", "-1", "-1"}));

  // A text item's contents are its texts, and go as they are.
  TovelTables texts = Source({});
  texts.ItemTable[0].Flags = FlagText;
  texts.ItemTable[0].Contents = {"7 pumps", "", "", ""};
  EXPECT_EQ(ItemTable[PasteItem(CopyItem(texts, 0)).Item].Contents, texts.ItemTable[0].Contents);
}

TEST_F(ItemClipboard, TheClipboardFormsHoldTheItemAndItsPictureNames)
{
  TovelTables texts = Source({});
  texts.ItemTable[0].Flags = FlagText;
  texts.ItemTable[0].Contents = {"7 pumps", "", "", ""};
  for (const CopiedItem& copied :
       {CopyItem(Source({"walls\\brick.bmp", "walls\\door.bmp"}), 0), CopyItem(texts, 0)}) {
    const auto back = CopiedFromClipboard(ClipboardBytes(copied));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->PictureNames, copied.PictureNames);
    EXPECT_EQ(CopyItem(Source({}), 0).Item.Left, back->Item.Left);
    EXPECT_EQ(back->Item.Flags, copied.Item.Flags);
  }
  EXPECT_EQ(CopiedFromClipboard(ClipboardBytes(CopyItem(texts, 0)))->Item.Contents,
            texts.ItemTable[0].Contents);
  EXPECT_EQ(ClipboardText(CopyItem(texts, 0)), "5,6,25,26,2,7 pumps,,,;\n");
  for (const char* bytes : {"", "2;0;\n\n1,1,2,2,0,a,b,c,d;\n", "not a tovel"})
    EXPECT_FALSE(CopiedFromClipboard(bytes)) << bytes;
}

TEST_F(ItemClipboard, NothingChangesWhenTheItemsOrTheBitmapSetAreFull)
{
  const CopiedItem copied = CopyItem(Source({"a\\one.bmp", "a\\two.bmp"}), 0);
  struct Case {
    const char* what;
    int items;
    int bitmaps;
    PasteOutcome outcome;
  };
  const Case cases[] = {
      {"30 items", MaxItems, 0, PasteOutcome::ItemsFull},
      {"room for one of the two names", 1, MaxBitmaps - 1, PasteOutcome::SetFull},
      {"room for both", 1, MaxBitmaps - 2, PasteOutcome::Pasted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetTovel();
    ItemCount = c.items;
    for (int i = 0; i < c.bitmaps; ++i) BitmapNames[BitmapCount++] = "b\\" + std::to_string(i);
    const TovelTables before = TheTovel;
    EXPECT_EQ(PasteItem(copied).Outcome, c.outcome);
    EXPECT_EQ(TheTovel == before, c.outcome != PasteOutcome::Pasted);
  }
}

} // namespace
