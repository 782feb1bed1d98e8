#include <gtest/gtest.h>

#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "bitmaps/PictureLoading.h"
#include "common/UnwrittenPipe.h"
#include "document/OpenTovelDialog.h"
#include "document/TovelCreatorDoc.h"
#include "document/TovelsFolderDialog.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

using DocumentCommands = FrameFixture;

namespace {

// Picks an entry of the Open Tovel dialog as a user would.
ExpectDialog<COpenTovelDialog> Choose(const wxString& name)
{
  return ExpectDialog<COpenTovelDialog>([name](COpenTovelDialog* dialog) {
    EXPECT_TRUE(dialog->GetList()->SetStringSelection(name)) << name;
    return dialog->AcceptSelection() ? wxID_OK : wxID_CANCEL;
  });
}

ExpectDialog<wxFileDialog> SaveTo(const std::filesystem::path& path, const wxString& title)
{
  return ExpectDialog<wxFileDialog>([path, title](wxFileDialog* dialog) {
    EXPECT_EQ(dialog->GetMessage(), title);
    dialog->SetPath(wxString::FromUTF8(path.string()));
    return wxID_OK;
  });
}

} // namespace

TEST_F(DocumentCommands, OpenListsOnlyExtensionlessFiles)
{
  m_tovels.Write("Alpha", SmallTovel("alpha"));
  m_tovels.Write("beta", SmallTovel("beta"));
  m_tovels.Write("notes.txt", "x");
  m_tovels.Write("Folder/inner", "x");
  wxArrayString listed;
  wxTEST_DIALOG(Command(ids::FileOpen),
                ExpectDialog<COpenTovelDialog>([&](COpenTovelDialog* dialog) {
                  EXPECT_EQ(dialog->GetTitle(), "Open Tovel");
                  EXPECT_EQ(dialog->GetList()->GetSelection(), wxNOT_FOUND);
                  listed = dialog->GetList()->GetStrings();
                  return wxID_CANCEL;
                }));
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(listed[0], "Alpha");
  EXPECT_EQ(listed[1], "beta");
  EXPECT_EQ(m_frame->GetTitle(), "Untitled - TovelCreator");
}

TEST_F(DocumentCommands, OpenWithoutSelectionAsksForOne)
{
  m_tovels.Write("Alpha", SmallTovel("alpha"));
  wxTEST_DIALOG(
      Command(ids::FileOpen), ExpectDialog<COpenTovelDialog>([](COpenTovelDialog* dialog) {
        bool accepted = true;
        wxTEST_DIALOG(accepted = dialog->AcceptSelection(),
                      ExpectMessage("You must select a given tovel", "TovelCreator", wxID_OK));
        EXPECT_FALSE(accepted);
        return wxID_CANCEL;
      }));
  EXPECT_EQ(ItemCount, 0);
}

TEST_F(DocumentCommands, OpenReadsTheTovelAndSaveWritesItBack)
{
  const auto path = m_tovels.Write("Alpha", SmallTovel("alpha", 0));
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Alpha"));
  EXPECT_EQ(m_frame->GetTitle(), "Alpha - TovelCreator");
  ASSERT_EQ(ItemCount, 1);
  EXPECT_EQ(ItemTable[0].Contents[0], "alpha");
  EXPECT_EQ(m_frame->GetDocument()->TovelPath(), path);

  // Save after Open writes to the same file without asking anything.
  ItemTable[0].Contents[0] = "changed";
  m_frame->GetDocument()->Modify(true);
  Command(ids::FileSave);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
  EXPECT_EQ(ReadFileText(path), SmallTovel("changed", 0));

  // Set Tovels Directory elsewhere: Save still writes to the opened file.
  const auto other = m_folder / "other";
  std::filesystem::create_directories(other);
  wxTEST_DIALOG(Command(ids::SetTovelsDirectory),
                ExpectDialog<CTovelsFolderDialog>([&](CTovelsFolderDialog* dialog) {
                  EXPECT_EQ(dialog->GetEdit()->GetValue(), wxString::FromUTF8(m_folder.string()));
                  dialog->GetEdit()->SetValue(wxString::FromUTF8(other.string()));
                  return dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
                }));
  EXPECT_EQ(TovelsFolder, other.string());
  ItemTable[0].Contents[0] = "again";
  Command(ids::FileSave);
  EXPECT_EQ(ReadFileText(path), SmallTovel("again", 0));
}

TEST_F(DocumentCommands, SaveOnANewTovelAsksForAFile)
{
  const auto target = m_folder / "Fresh";
  ItemCount = 1;
  ItemTable[0] = {10, 10, 100, 30, 10, 0, {"fresh", "-1", "-1", "-1"}};
  m_frame->GetDocument()->Modify(true);
  wxTEST_DIALOG(Command(ids::FileSave), SaveTo(target, "Save Tovel As"));
  EXPECT_EQ(m_frame->GetTitle(), "Fresh - TovelCreator");
  EXPECT_EQ(m_frame->GetDocument()->TovelPath(), target);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
  EXPECT_EQ(ReadFileText(target), SmallTovel("fresh"));

  // Save As to a folder that does not exist: the error is shown and the
  // document keeps its file, title and modified flag.
  m_frame->GetDocument()->Modify(true);
  wxTEST_DIALOG(Command(ids::FileSaveAs), SaveTo(m_folder / "missing" / "X", "Save Tovel As"),
                ExpectMessageContaining("contains an invalid path.", wxID_OK));
  EXPECT_EQ(m_frame->GetDocument()->TovelPath(), target);
  EXPECT_EQ(m_frame->GetTitle(), "Fresh - TovelCreator");
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());
}

TEST_F(DocumentCommands, ASaveThatWouldNotReadBackIsRefusedAndTheFileKept)
{
  const auto path = m_tovels.Write("Alpha", SmallTovel("alpha"));
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Alpha"));
  // Tables as a damaged file can leave them: a names line longer than a
  // tovel line may be.
  BitmapCount = 2;
  BitmapNames[0] = std::string(300, 'a');
  BitmapNames[1] = std::string(300, 'b');
  m_frame->GetDocument()->Modify(true);
  wxTEST_DIALOG(Command(ids::FileSave), ExpectMessageContaining("cannot be saved", wxID_OK));
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());
  EXPECT_EQ(ReadFileText(path), SmallTovel("alpha"));
}

TEST_F(DocumentCommands, NewAsksFirstAndCancelKeepsEverything)
{
  m_tovels.Write("Alpha", SmallTovel("alpha"));
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Alpha"));
  m_frame->GetDocument()->Modify(true);

  wxTEST_DIALOG(Command(ids::FileNew),
                ExpectMessage("Save changes to Alpha?", "TovelCreator", wxID_CANCEL));
  EXPECT_EQ(ItemCount, 1);
  EXPECT_EQ(m_frame->GetTitle(), "Alpha - TovelCreator");
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());

  wxTEST_DIALOG(Command(ids::FileNew),
                ExpectMessage("Save changes to Alpha?", "TovelCreator", wxID_NO));
  EXPECT_EQ(ItemCount, 0);
  EXPECT_EQ(m_frame->GetTitle(), "Untitled - TovelCreator");
  EXPECT_TRUE(m_frame->GetDocument()->TovelPath().empty());
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
  EXPECT_EQ(ReadFileText(m_folder / "Alpha"), SmallTovel("alpha"));
}

TEST_F(DocumentCommands, AFileThatCannotBeReadLeavesTheTovelAlone)
{
  m_tovels.Write("Alpha", SmallTovel("alpha"));
  m_tovels.Write("Broken", "99;0;\r\n");
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Alpha"));
  m_frame->GetDocument()->Modify(true);

  wxTEST_DIALOG(Command(ids::FileOpen),
                ExpectMessage("Save changes to Alpha?", "TovelCreator", wxID_NO), Choose("Broken"),
                ExpectMessageContaining("Broken cannot be opened as a tovel", wxID_OK));
  EXPECT_EQ(ItemCount, 1);
  EXPECT_EQ(ItemTable[0].Contents[0], "alpha");
  EXPECT_EQ(m_frame->GetTitle(), "Alpha - TovelCreator");
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());
}

TEST_F(DocumentCommands, OpenLoadsBitmapsAndReportsMissingOnes)
{
  // The samples hold 1-, 4-, 8- and 24-bit pictures, some named in another
  // letter case than on disk.
  TovelsFolder = TOVEL_SAMPLES_DIR "/tovels";
  for (const char* sample : {"Conveyor", "Lighthouse", "PumpHouse"}) {
    wxTEST_DIALOG(Command(ids::FileOpen), Choose(sample));
    EXPECT_EQ(m_frame->GetTitle(), wxString(sample) + " - TovelCreator");
    ASSERT_GT(BitmapCount, 0);
    for (int slot = 0; slot < BitmapCount; ++slot) {
      const Picture* picture = SlotPicture(slot);
      ASSERT_TRUE(picture) << BitmapNames[slot];
      EXPECT_EQ(picture->Width(), BitmapImages[slot].Width);
      EXPECT_EQ(picture->Height(), BitmapImages[slot].Height);
      EXPECT_TRUE(BitmapImages[slot].Palette);
    }
  }

  // A tovel naming a bitmap that is not there: the slot stays empty with
  // its name, the user is told once, and the tovel opens.
  TovelsFolder = m_folder.string();
  m_tovels.Write("lamps/lamp.bmp", "not a picture");
  m_tovels.Write("Lamps", "0;2;\r\nlamps\\lamp.bmp;lamps\\gone.bmp;\r\n" + TableLines());
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Lamps"),
                ExpectMessageContaining("gone.bmp", wxID_OK));
  EXPECT_EQ(m_frame->GetTitle(), "Lamps - TovelCreator");
  ASSERT_EQ(BitmapCount, 2);
  for (int slot = 0; slot < 2; ++slot) {
    EXPECT_EQ(SlotPicture(slot), nullptr);
    EXPECT_EQ(BitmapImages[slot].Width, 0);
    EXPECT_EQ(BitmapImages[slot].Height, 0);
  }
  EXPECT_EQ(BitmapNames[1], "lamps\\gone.bmp");
}

TEST_F(DocumentCommands, AReadOnlyTovelIsNeverReplaced)
{
  const auto path = m_tovels.Write("Alpha", SmallTovel("alpha"));
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Alpha"));
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  ItemTable[0].Contents[0] = "changed";
  m_frame->GetDocument()->Modify(true);
  wxTEST_DIALOG(Command(ids::FileSave),
                ExpectMessage("Access to " + wxString::FromUTF8(path.string()) + " was denied.",
                              "TovelCreator", wxID_OK));
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());
  EXPECT_EQ(ReadFileText(path), SmallTovel("alpha"));

  // The save-changes question agrees: it asks where to save instead.
  wxTEST_DIALOG(Command(ids::FileNew),
                ExpectMessage("Save changes to Alpha?", "TovelCreator", wxID_YES),
                ExpectDialog<wxFileDialog>([](wxFileDialog* dialog) {
                  EXPECT_EQ(dialog->GetMessage(), "Save As");
                  return wxID_CANCEL;
                }));
  EXPECT_EQ(ItemTable[0].Contents[0], "changed");
  EXPECT_EQ(ReadFileText(path), SmallTovel("alpha"));
}

TEST_F(DocumentCommands, OpenNeverWaitsOnAPipeNamedAsABitmap)
{
  std::filesystem::create_directories(m_folder / "lamps");
  const UnwrittenPipe pipe(m_folder / "lamps" / "lamp.bmp");
  m_tovels.Write("Lamps", "0;1;\r\nlamps\\lamp.bmp;\r\n" + TableLines());
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Lamps"),
                ExpectMessageContaining(
                    "lamp.bmp could not be read: it could not be opened or read.", wxID_OK));
  EXPECT_EQ(m_frame->GetTitle(), "Lamps - TovelCreator");
  EXPECT_EQ(BitmapImages[0].Width, 0);
  EXPECT_FALSE(pipe.WasOpened());
}

TEST_F(DocumentCommands, OpenListsAndOpensNamesWrittenOnWindows)
{
  // "caf\xE9" is Windows-1252, not UTF-8; the other names are UTF-8.
  const auto cafe = m_tovels.Write("caf\xE9", SmallTovel("cafe"));
  for (const char* name : {"with space", "\xC3\x84rger", "Apfel"})
    m_tovels.Write(name, SmallTovel(name));
  wxTEST_DIALOG(Command(ids::FileOpen),
                ExpectDialog<COpenTovelDialog>([](COpenTovelDialog* dialog) {
                  const wxString cafeShown = wxString::FromUTF8("caf\xC3\xA9");
                  const wxArrayString shown = dialog->GetList()->GetStrings();
                  EXPECT_EQ(std::vector<wxString>(shown.begin(), shown.end()),
                            (std::vector<wxString>{"Apfel", wxString::FromUTF8("\xC3\x84rger"),
                                                   cafeShown, "with space"}));
                  EXPECT_TRUE(dialog->GetList()->SetStringSelection(cafeShown));
                  return dialog->AcceptSelection() ? wxID_OK : wxID_CANCEL;
                }));
  EXPECT_EQ(m_frame->GetTitle(), wxString::FromUTF8("caf\xC3\xA9 - TovelCreator"));
  ASSERT_EQ(ItemCount, 1);
  EXPECT_EQ(ItemTable[0].Contents[0], "cafe");

  // Save writes back to the same file, under its own bytes.
  ItemTable[0].Contents[0] = "changed";
  Command(ids::FileSave);
  EXPECT_EQ(ReadFileText(cafe), SmallTovel("changed"));
  EXPECT_FALSE(std::filesystem::exists(m_folder / "caf\xC3\xA9"));
}
