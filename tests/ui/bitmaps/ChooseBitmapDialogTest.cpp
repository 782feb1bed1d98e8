#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/settings.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "bitmaps/BitmapPicker.h"
#include "bitmaps/BitmapSet.h"
#include "bitmaps/BitmapSlotButton.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "bitmaps/NewFolderDialog.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ItemPropertiesWindow.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

namespace fs = std::filesystem;

namespace {

class ChooseBitmap : public FrameFixture {
protected:
  // Writes a BMP of one colour at a place inside the tovels folder.
  void WriteBmp(const fs::path& relative, const wxColour& colour = *wxRED)
  {
    const fs::path path = m_folder / relative;
    fs::create_directories(path.parent_path());
    wxImage image(8, 6);
    image.SetRGB(wxRect(0, 0, 8, 6), colour.Red(), colour.Green(), colour.Blue());
    ASSERT_TRUE(image.SaveFile(wxString::FromUTF8(path.string()), wxBITMAP_TYPE_BMP));
  }

  // Puts count bitmaps of folder "set" into the set: set\b00.bmp, ...
  void FillSet(int count)
  {
    for (int i = 0; i < count; ++i) {
      const std::string name = wxString::Format("b%02d.bmp", i).ToStdString();
      WriteBmp(fs::path("set") / name);
      ASSERT_EQ(::AddBitmap("set\\" + name).Outcome, AddBitmapOutcome::Added);
    }
  }

  bool IsModified() const { return m_frame->GetDocument()->IsModified(); }

  wxButton* Button(const CChooseBitmapDialog& dialog, int id) const
  {
    return dynamic_cast<wxButton*>(dialog.FindWindow(id));
  }
};

} // namespace

TEST_F(ChooseBitmap, ManageAndPickModesAndTheLayout)
{
  FillSet(2);
  CChooseBitmapDialog pick(m_frame, false, 1);
  EXPECT_EQ(pick.GetTitle(), "Choose Bitmap");
  EXPECT_EQ(Button(pick, ids::ChooseBitmapOk)->GetLabel(), "OK");
  EXPECT_TRUE(Button(pick, ids::ChooseBitmapCancel)->IsShown());
  EXPECT_TRUE(pick.GetSlotButton(-1)->IsShown());
  EXPECT_FALSE(Button(pick, ids::ChooseBitmapAdd)->IsEnabled());
  EXPECT_FALSE(Button(pick, ids::ChooseBitmapCopy)->IsEnabled());
  EXPECT_EQ(pick.ResultForOk(), ChooseBitmapFirstSlot + 1);
  // Slot k sits in row k / 5 and column k % 5, right of the tree.
  const wxPoint slot1 = pick.GetSlotButton(1)->GetPosition();
  const wxPoint slot5 = pick.GetSlotButton(5)->GetPosition();
  const wxPoint slot6 = pick.GetSlotButton(6)->GetPosition();
  EXPECT_EQ(slot6, wxPoint(slot1.x, slot5.y));
  EXPECT_GT(slot5.y, slot1.y);
  EXPECT_GT(slot5.x, pick.GetTree()->GetRect().GetRight());
  EXPECT_EQ(pick.GetSlotButton(19)->GetId(), 2079);
  // Slots that hold no bitmap are blank and cannot be chosen.
  EXPECT_TRUE(pick.GetSlotButton(1)->IsEnabled());
  EXPECT_FALSE(pick.GetSlotButton(2)->IsEnabled());
  pick.ClickSlot(7);
  EXPECT_EQ(pick.CheckedSlot(), 1);
  pick.ClickSlot(-1);
  EXPECT_TRUE(pick.GetSlotButton(-1)->IsChecked());
  EXPECT_EQ(pick.CheckedSlot(), -1);
  EXPECT_EQ(pick.ResultForOk(), ChooseBitmapNone);

  // A modal frame with a caption only: it closes through its buttons.
  EXPECT_FALSE(pick.HasFlag(wxCLOSE_BOX));

  CChooseBitmapDialog manage(m_frame, true, -1);
  EXPECT_EQ(Button(manage, ids::ChooseBitmapOk)->GetLabel(), "Close");
  EXPECT_FALSE(Button(manage, ids::ChooseBitmapCancel)->IsShown());
  EXPECT_FALSE(manage.GetSlotButton(-1)->IsShown());
  EXPECT_EQ(manage.ResultForOk(), ChooseBitmapNone);

  // A preselected slot that holds no bitmap is no choice.
  CChooseBitmapDialog beyond(m_frame, false, 5);
  EXPECT_EQ(beyond.CheckedSlot(), -1);
  EXPECT_EQ(beyond.ResultForOk(), ChooseBitmapNone);
}

TEST_F(ChooseBitmap, PickPictureTurnsTheResultIntoAReference)
{
  FillSet(3);
  std::optional<std::string> picked;
  wxTEST_DIALOG(picked = PickPicture(m_frame, 0),
                ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* dialog) {
                  EXPECT_EQ(dialog->CheckedSlot(), 0);
                  dialog->ClickSlot(2);
                  return dialog->ResultForOk();
                }));
  EXPECT_EQ(picked, "2");
  wxTEST_DIALOG(picked = PickPicture(m_frame, 2),
                ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* dialog) {
                  dialog->ClickSlot(-1);
                  return dialog->ResultForOk();
                }));
  EXPECT_EQ(picked, "-1");
  wxTEST_DIALOG(picked = PickPicture(m_frame, 2),
                ExpectDialog<CChooseBitmapDialog>(
                    [](CChooseBitmapDialog*) { return ChooseBitmapCancelled; }));
  EXPECT_FALSE(picked);
  EXPECT_FALSE(IsModified());

  EXPECT_EQ(PictureButtonCaption("1"), "b01");
  EXPECT_EQ(PictureButtonCaption("2 "), "b02");
  EXPECT_EQ(PictureButtonCaption("3"), "BMP...");
  EXPECT_EQ(PictureButtonCaption("-1"), "BMP...");
  EXPECT_EQ(PictureButtonCaption("20"), "BMP...");
}

TEST_F(ChooseBitmap, AddAFileAFolderAndByDoubleClick)
{
  WriteBmp("lamps/c.bmp");
  WriteBmp("lamps/a.bmp");
  WriteBmp("lamps/B.BMP", *wxBLUE);
  WriteBmp("lamps/notes.txt");
  WriteBmp("pumps/pump.bmp");
  WriteBmp("top.bmp");
  CChooseBitmapDialog dialog(m_frame, false, -1);
  ASSERT_EQ(dialog.TreeFolders(), (std::vector<wxString>{"lamps", "pumps"}));
  EXPECT_EQ(dialog.TreeFiles("lamps"), (std::vector<wxString>{"a.bmp", "B.BMP", "c.bmp"}));

  wxTEST_DIALOG(dialog.AddSelection(),
                ExpectMessage("Select a bitmap, or folder from the list above to add",
                              "TovelCreator", wxID_OK));
  ASSERT_TRUE(dialog.SelectTreeItem("lamps", "B.BMP"));
  EXPECT_TRUE(Button(dialog, ids::ChooseBitmapAdd)->IsEnabled());
  dialog.AddSelection();
  EXPECT_TRUE(dialog.BitmapsChanged());
  ASSERT_EQ(BitmapCount, 1);
  EXPECT_EQ(BitmapNames[0], "lamps\\B.BMP");
  EXPECT_EQ(BitmapImages[0].Width, 8);
  EXPECT_EQ(dialog.ResultForOk(), ChooseBitmapFirstSlot);

  // The folder adds its files in tree order; B.BMP is in the set already.
  ASSERT_TRUE(dialog.SelectTreeItem("lamps"));
  dialog.AddSelection();
  ASSERT_EQ(BitmapCount, 3);
  EXPECT_EQ(BitmapNames[1], "lamps\\a.bmp");
  EXPECT_EQ(BitmapNames[2], "lamps\\c.bmp");
  EXPECT_EQ(dialog.CheckedSlot(), 2);

  wxTreeCtrl* tree = dialog.GetTree();
  ASSERT_TRUE(dialog.SelectTreeItem("pumps", "pump.bmp"));
  wxTreeEvent doubleClick(wxEVT_TREE_ITEM_ACTIVATED, tree, tree->GetSelection());
  tree->GetEventHandler()->ProcessEvent(doubleClick);
  ASSERT_EQ(BitmapCount, 4);
  EXPECT_EQ(BitmapNames[3], "pumps\\pump.bmp");
  EXPECT_EQ(dialog.ResultForOk(), ChooseBitmapFirstSlot + 3);
  // A double-click on a folder adds nothing.
  ASSERT_TRUE(dialog.SelectTreeItem("lamps"));
  wxTreeEvent onFolder(wxEVT_TREE_ITEM_ACTIVATED, tree, tree->GetSelection());
  tree->GetEventHandler()->ProcessEvent(onFolder);
  EXPECT_EQ(BitmapCount, 4);
}

TEST_F(ChooseBitmap, NamesInTheSetInOtherCaseAndTheLimitOfTwenty)
{
  FillSet(15);
  for (int i = 0; i < 8; ++i) WriteBmp(fs::path("more") / ("m" + std::to_string(i) + ".bmp"));
  CChooseBitmapDialog dialog(m_frame, false, -1);

  ASSERT_TRUE(dialog.SelectTreeItem("set", "b04.bmp"));
  BitmapNames[4] = "SET\\B04.BMP";
  dialog.AddSelection();
  EXPECT_EQ(BitmapCount, 15);
  EXPECT_EQ(dialog.CheckedSlot(), 4);
  EXPECT_FALSE(dialog.BitmapsChanged());

  ASSERT_TRUE(dialog.SelectTreeItem("more"));
  wxTEST_DIALOG(dialog.AddSelection(),
                ExpectMessage("You can only have 20 bitmaps in use", "TovelCreator", wxID_OK));
  ASSERT_EQ(BitmapCount, 20);
  EXPECT_EQ(BitmapNames[15], "more\\m0.bmp");
  EXPECT_EQ(BitmapNames[19], "more\\m4.bmp");
  EXPECT_EQ(dialog.CheckedSlot(), 19);
  EXPECT_EQ(dialog.ResultForOk(), ChooseBitmapFirstSlot + 19);
}

TEST_F(ChooseBitmap, RemoveRenumbersPicturesAndKeepsTheRightButtonChecked)
{
  FillSet(5);
  ItemCount = 2;
  ItemTable[0] = {0, 0, 10, 10, 0, 0, {"2", "3", "-1", "4"}};
  ItemTable[1] = {0, 0, 10, 10, FlagText, 0, {"2", "3", "4", "1"}};
  InputLinks[0][0] = 3;
  CChooseBitmapDialog dialog(m_frame, false, -1);
  dialog.RemoveChecked(); // nothing checked: nothing happens
  EXPECT_EQ(BitmapCount, 5);
  EXPECT_FALSE(dialog.BitmapsChanged());

  dialog.ClickSlot(2);
  dialog.RemoveChecked();
  EXPECT_TRUE(dialog.BitmapsChanged());
  ASSERT_EQ(BitmapCount, 4);
  EXPECT_EQ(BitmapNames[2], "set\\b03.bmp");
  EXPECT_EQ(ItemTable[0].Contents, (std::array<std::string, 4>{"-1", "2", "-1", "3"}));
  EXPECT_EQ(ItemTable[1].Contents, (std::array<std::string, 4>{"2", "3", "4", "1"}));
  EXPECT_EQ(InputLinks[0][0], 3);
  EXPECT_EQ(dialog.CheckedSlot(), 2);
  EXPECT_FALSE(dialog.GetSlotButton(4)->IsEnabled());

  // Removing the last slot checks the new last one.
  dialog.ClickSlot(3);
  dialog.RemoveChecked();
  EXPECT_EQ(BitmapCount, 3);
  EXPECT_EQ(dialog.CheckedSlot(), 2);
  while (BitmapCount > 0) dialog.RemoveChecked();
  EXPECT_EQ(dialog.CheckedSlot(), -1);
  EXPECT_FALSE(dialog.GetSlotButton(-1)->IsChecked());
  EXPECT_EQ(dialog.ResultForOk(), ChooseBitmapNone);
  EXPECT_EQ(ItemTable[0].Contents, (std::array<std::string, 4>{"-1", "-1", "-1", "-1"}));
}

TEST_F(ChooseBitmap, ChooseBitmapsCommandMarksTheTovelOnlyWhenTheSetChanged)
{
  WriteBmp("lamps/a.bmp");
  wxTEST_DIALOG(Command(ids::ChooseBitmaps),
                ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* dialog) {
                  EXPECT_EQ(dialog->FindWindow(ids::ChooseBitmapOk)->GetLabel(), "Close");
                  EXPECT_TRUE(dialog->SelectTreeItem("lamps", "a.bmp"));
                  return dialog->ResultForOk();
                }));
  EXPECT_FALSE(IsModified());
  wxTEST_DIALOG(Command(ids::ChooseBitmaps),
                ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* dialog) {
                  EXPECT_TRUE(dialog->SelectTreeItem("lamps", "a.bmp"));
                  dialog->AddSelection();
                  return ChooseBitmapCancelled;
                }));
  EXPECT_TRUE(IsModified());
  EXPECT_EQ(BitmapCount, 1);

  // In pick mode too, Cancel after Add keeps the bitmap, and the tovel is
  // marked changed.
  m_frame->GetDocument()->Modify(false);
  WriteBmp("lamps/b.bmp");
  std::optional<std::string> picked;
  wxTEST_DIALOG(picked = PickPicture(m_frame, -1),
                ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* dialog) {
                  EXPECT_TRUE(dialog->SelectTreeItem("lamps", "b.bmp"));
                  dialog->AddSelection();
                  return ChooseBitmapCancelled;
                }));
  EXPECT_FALSE(picked);
  EXPECT_EQ(BitmapCount, 2);
  EXPECT_EQ(BitmapNames[1], "lamps\\b.bmp");
  EXPECT_TRUE(IsModified());
}

TEST_F(ChooseBitmap, TheFolderOfTheFirstBitmapStartsOpen)
{
  for (int i = 0; i < 30; ++i)
    fs::create_directories(m_folder / wxString::Format("f%02d", i).ToStdString());
  WriteBmp("Pumps/pump.bmp");
  {
    CChooseBitmapDialog dialog(m_frame, true, -1);
    EXPECT_FALSE(dialog.IsFolderExpanded("Pumps"));
  }
  // A first name without a folder opens no folder, not even one named like
  // the whole name.
  fs::create_directories(m_folder / "loose.bmp");
  BitmapNames[0] = "loose.bmp";
  BitmapCount = 1;
  {
    CChooseBitmapDialog dialog(m_frame, true, -1);
    EXPECT_FALSE(dialog.IsFolderExpanded("loose.bmp"));
  }
  BitmapNames[0] = "PUMPS\\PUMP.BMP";
  CChooseBitmapDialog dialog(m_frame, true, -1);
  EXPECT_TRUE(dialog.IsFolderExpanded("Pumps"));
  EXPECT_FALSE(dialog.IsFolderExpanded("f00"));
  dialog.Show();
  Flush();
  // The tree has scrolled down to the folder, past the first ones.
  wxTreeCtrl* tree = dialog.GetTree();
  wxTreeItemIdValue cookie;
  const wxTreeItemId first = tree->GetFirstChild(tree->GetRootItem(), cookie);
  const wxTreeItemId pumps = tree->GetLastChild(tree->GetRootItem());
  ASSERT_EQ(tree->GetItemText(pumps), "Pumps");
  EXPECT_TRUE(tree->IsVisible(pumps));
  EXPECT_FALSE(tree->IsVisible(first));
  dialog.Hide();
}

TEST_F(ChooseBitmap, CopyBmpAsksAndNeverOverwrites)
{
  WriteBmp("pumps/pump.bmp");
  TempFolder elsewhere("bmp-source");
  const fs::path source = elsewhere.Write("valve.bmp", "bitmap bytes");
  const fs::path target = m_folder / "pumps" / "valve.bmp";
  const auto chooseFile = [](const fs::path& path) {
    return ExpectDialog<wxFileDialog>([path](wxFileDialog* chooser) {
      EXPECT_EQ(chooser->GetMessage(), "Select Bitmap to copy");
      EXPECT_TRUE(
          chooser->GetWildcard().StartsWith("Pictures (.bmp, .png, .jpg, .gif and others)|"));
      chooser->SetPath(wxString::FromUTF8(path.string()));
      return wxID_OK;
    });
  };
  const wxString question = "Copy " + wxString::FromUTF8(source.string()) + " to " +
                            wxString::FromUTF8(target.string()) + "?";

  CChooseBitmapDialog dialog(m_frame, false, -1);
  wxTEST_DIALOG(dialog.CopyBitmap(),
                ExpectMessage("Select a folder to copy to", "TovelCreator", wxID_OK));
  ASSERT_TRUE(dialog.SelectTreeItem("pumps", "pump.bmp"));
  wxTEST_DIALOG(dialog.CopyBitmap(), chooseFile(source),
                ExpectMessage(question, messages::ConfirmationCaption, wxID_CANCEL));
  EXPECT_FALSE(fs::exists(target));

  wxTEST_DIALOG(dialog.CopyBitmap(), chooseFile(source),
                ExpectMessage(question, messages::ConfirmationCaption, wxID_OK));
  EXPECT_EQ(ReadFileText(target), "bitmap bytes");
  EXPECT_EQ(dialog.TreeFiles("pumps"), (std::vector<wxString>{"pump.bmp", "valve.bmp"}));
  EXPECT_EQ(BitmapCount, 0); // copying does not add

  fs::resize_file(source, 3);
  wxTEST_DIALOG(dialog.CopyBitmap(), chooseFile(source),
                ExpectMessage(question, messages::ConfirmationCaption, wxID_OK),
                ExpectMessage("Failed to copy file, possibly because file already exists.",
                              messages::ErrorCaption, wxID_OK));
  EXPECT_EQ(ReadFileText(target), "bitmap bytes");
  EXPECT_EQ(dialog.TreeFiles("pumps").size(), 2u);

  // A file of the same name in other letter case is the same bitmap for a
  // tovel: it is not copied beside it.
  const fs::path upper = elsewhere.Write("PUMP.BMP", "other bytes");
  const wxString upperQuestion = "Copy " + wxString::FromUTF8(upper.string()) + " to " +
                                 wxString::FromUTF8((m_folder / "pumps" / "PUMP.BMP").string()) +
                                 "?";
  wxTEST_DIALOG(dialog.CopyBitmap(), chooseFile(upper),
                ExpectMessage(upperQuestion, messages::ConfirmationCaption, wxID_OK),
                ExpectMessage("Failed to copy file, possibly because file already exists.",
                              messages::ErrorCaption, wxID_OK));
  EXPECT_FALSE(fs::exists(m_folder / "pumps" / "PUMP.BMP"));
  EXPECT_EQ(dialog.TreeFiles("pumps").size(), 2u);

  const fs::path picture = elsewhere.Write("photo.png", "png");
  wxTEST_DIALOG(
      dialog.CopyBitmap(), chooseFile(picture),
      ExpectMessage(wxString::FromUTF8(picture.string()) + " could not be read as a picture.",
                    messages::WarningCaption, wxID_OK));
  EXPECT_FALSE(fs::exists(m_folder / "pumps" / "photo.png"));
  EXPECT_FALSE(fs::exists(m_folder / "pumps" / "photo.bmp"));

  // A picture of another format becomes a BMP of its name, shown first;
  // transparency is laid over white, and the program reads the file back.
  wxImage image(3, 2);
  image.SetRGB(wxRect(0, 0, 3, 2), 0, 0, 255);
  image.SetAlpha();
  for (int x = 0; x < 3; ++x)
    for (int y = 0; y < 2; ++y) image.SetAlpha(x, y, 255);
  image.SetAlpha(0, 0, 0);
  const fs::path png = elsewhere.Path() / "Sunset at sea.png";
  ASSERT_TRUE(image.SaveFile(wxString::FromUTF8(png.string()), wxBITMAP_TYPE_PNG));
  const fs::path converted = m_folder / "pumps" / "Sunset a.bmp";
  wxTEST_DIALOG(dialog.CopyBitmap(), chooseFile(png),
                ExpectMessage("Convert " + wxString::FromUTF8(png.string()) +
                                  " (3 x 2 pixels) to the bitmap " +
                                  wxString::FromUTF8(converted.string()) + "?",
                              messages::ConfirmationCaption, wxID_OK));
  EXPECT_EQ(dialog.TreeFiles("pumps"),
            (std::vector<wxString>{"pump.bmp", "Sunset a.bmp", "valve.bmp"}));
  ASSERT_TRUE(dialog.AddBitmap("pumps\\Sunset a.bmp"));
  const Picture* read = BitmapImages[0].Bitmap.get();
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->Width(), 3);
  ASSERT_EQ(read->Height(), 2);
  std::uint8_t row[9];
  const int columns[] = {0, 1, 2};
  read->ReadRow(0, columns, row);
  EXPECT_EQ(std::vector<std::uint8_t>(row, row + 6),
            (std::vector<std::uint8_t>{255, 255, 255, 0, 0, 255}));

  // The same picture again would replace the file: refused. A picture
  // larger than the page is refused with its size.
  wxTEST_DIALOG(dialog.CopyBitmap(), chooseFile(png),
                ExpectMessageContaining("(3 x 2 pixels)", wxID_OK),
                ExpectMessage("Failed to copy file, possibly because file already exists.",
                              messages::ErrorCaption, wxID_OK));
  const fs::path wide = elsewhere.Path() / "wide.png";
  ASSERT_TRUE(wxImage(401, 1).SaveFile(wxString::FromUTF8(wide.string()), wxBITMAP_TYPE_PNG));
  wxTEST_DIALOG(dialog.CopyBitmap(), chooseFile(wide),
                ExpectMessageContaining("401 x 1 pixels, larger than the tovel page", wxID_OK));
  EXPECT_FALSE(fs::exists(m_folder / "pumps" / "wide.bmp"));
}

TEST_F(ChooseBitmap, NewFolderRefusesBadNamesAndShowsOnlyMadeFolders)
{
  WriteBmp("pumps/pump.bmp");
  CChooseBitmapDialog dialog(m_frame, false, -1);
  const auto refuse = [](CNewFolderDialog* folder, const wxString& name, const wxString& piece) {
    folder->GetEdit()->ChangeValue(name);
    bool accepted = true;
    wxTEST_DIALOG(accepted = folder->AcceptName(), ExpectMessageContaining(piece, wxID_OK));
    EXPECT_FALSE(accepted) << name;
  };
  wxTEST_DIALOG(dialog.MakeNewFolder(),
                ExpectDialog<CNewFolderDialog>([&](CNewFolderDialog* folder) {
                  EXPECT_EQ(folder->GetTitle(), "New folder");
                  refuse(folder, "..", "cannot be the name");
                  refuse(folder, "", "type a name");
                  refuse(folder, "PUMPS", "exists already");
                  refuse(folder, "a/b", "\\ or /");
                  return wxID_CANCEL;
                }));
  EXPECT_EQ(dialog.TreeFolders(), (std::vector<wxString>{"pumps"}));

  wxTEST_DIALOG(dialog.MakeNewFolder(),
                ExpectDialog<CNewFolderDialog>([](CNewFolderDialog* folder) {
                  // The edit takes no more than 8 characters.
                  folder->GetEdit()->ChangeValue("Walls");
                  folder->GetEdit()->AppendText("123");
                  folder->GetEdit()->AppendText("4");
                  EXPECT_EQ(folder->GetEdit()->GetValue(), "Walls123");
                  return folder->AcceptName() ? wxID_OK : wxID_CANCEL;
                }));
  EXPECT_TRUE(fs::is_directory(m_folder / "Walls123"));
  EXPECT_EQ(dialog.TreeFolders(), (std::vector<wxString>{"pumps", "Walls123"}));
  EXPECT_TRUE(Button(dialog, ids::ChooseBitmapCopy)->IsEnabled());
}

TEST_F(ChooseBitmap, SlotButtonsPaintPictureNameAndCheckMark)
{
  WriteBmp("lamps/lamp.bmp", *wxRED);
  ASSERT_EQ(::AddBitmap("lamps\\lamp.bmp").Outcome, AddBitmapOutcome::Added);
  CChooseBitmapDialog dialog(m_frame, false, 0);
  const auto paint = [](CBitmapSlotButton* button) {
    const wxSize size = button->GetClientSize();
    wxBitmap bitmap(size);
    {
      wxMemoryDC dc(bitmap);
      button->Draw(dc);
    }
    return bitmap.ConvertToImage();
  };
  const auto colourAt = [](const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
  };
  CBitmapSlotButton* slot = dialog.GetSlotButton(0);
  const wxImage checked = paint(slot);
  const int w = checked.GetWidth();
  const int h = checked.GetHeight();
  EXPECT_EQ(colourAt(checked, 0, 0), *wxBLACK);
  EXPECT_EQ(colourAt(checked, w - 1, h - 1), *wxBLACK);
  EXPECT_EQ(colourAt(checked, w / 2, (h - 21) / 2), *wxRED);
  const wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
  EXPECT_EQ(colourAt(checked, 2, h - 3), highlight);

  dialog.ClickSlot(-1);
  EXPECT_FALSE(slot->IsChecked());
  const wxImage unchecked = paint(slot);
  EXPECT_EQ(colourAt(unchecked, 2, h - 3), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));

  // The None button is framed and all label, highlighted while checked.
  CBitmapSlotButton* none = dialog.GetSlotButton(-1);
  EXPECT_EQ(none->GetLabel(), "-1");
  EXPECT_EQ(slot->GetLabel(), "0");
  ASSERT_TRUE(none->IsChecked());
  const wxImage noneImage = paint(none);
  EXPECT_EQ(colourAt(noneImage, 0, 0), *wxBLACK);
  EXPECT_EQ(colourAt(noneImage, 2, 2), highlight);
  dialog.ClickSlot(0);
  EXPECT_FALSE(none->IsChecked());
  EXPECT_EQ(colourAt(paint(none), 2, 2), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));

  // An empty slot is blank: no frame.
  const wxImage empty = paint(dialog.GetSlotButton(1));
  EXPECT_NE(colourAt(empty, 0, 0), *wxBLACK);
}

TEST_F(ChooseBitmap, RemoveWhilePickingForTheItemPropertiesWindowShowsTheRenumberedPictures)
{
  FillSet(3);
  ItemCount = 1;
  ItemTable[0] = {10, 10, 40, 40, 0, 0, {"0", "2", "-1", "-1"}};
  AnnounceTovelChange({TovelChange::Replaced});
  m_frame->SelectItem(0);
  m_frame->ShowPropertiesWindow();
  CItemPropertiesWindow* window = m_frame->GetPropertiesWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(window->GetPictureButton(1)->GetLabel(), "b02");

  // Picking for the first picture, the user removes slot 2 and cancels.
  wxCommandEvent click(wxEVT_BUTTON, ids::PropertiesPicture0);
  click.SetEventObject(window->GetPictureButton(0));
  wxTEST_DIALOG(window->GetPictureButton(0)->GetEventHandler()->ProcessEvent(click),
                ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* dialog) {
                  EXPECT_EQ(dialog->CheckedSlot(), 0);
                  dialog->ClickSlot(2);
                  dialog->RemoveChecked();
                  return ChooseBitmapCancelled;
                }));
  EXPECT_EQ(BitmapCount, 2);
  EXPECT_EQ(ItemTable[0].Contents, (std::array<std::string, 4>{"0", "-1", "-1", "-1"}));
  EXPECT_EQ(window->GetPictureButton(0)->GetLabel(), "b00");
  EXPECT_EQ(window->GetPictureButton(1)->GetLabel(), "BMP...");
  EXPECT_TRUE(IsModified());
  m_frame->HidePropertiesWindow();
}
