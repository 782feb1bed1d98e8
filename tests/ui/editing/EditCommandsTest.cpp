// Undo, redo and the item clipboard as the user gives them: edits of every
// kind on an opened sample tovel, taken back and taken again.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include <wx/checkbox.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "connections/ConnectionTexts.h"
#include "connections/ConnectionsSheet.h"
#include "connections/NewInputDialog.h"
#include "document/TovelCreatorDoc.h"
#include "editing/EditHistory.h"
#include "editing/ItemKeys.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/NewItemDialog.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelFile.h"
#include "platform/FileIo.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

namespace fs = std::filesystem;

namespace {

class EditCommands : public FrameFixture {
protected:
  void SetUp() override
  {
    FrameFixture::SetUp();
    fs::copy(fs::path(TOVEL_SAMPLES_DIR) / "tovels", m_folder, fs::copy_options::recursive);
  }

  void Open(const char* name) { ASSERT_TRUE(m_frame->ReadTovel(m_folder / name)); }
  EditHistory& History() { return m_frame->GetDocument()->History(); }
  bool Modified() { return m_frame->GetDocument()->IsModified(); }
  std::vector<std::uint8_t> FileBytes(const fs::path& path)
  {
    return platform::ReadFileBytes(path, 1 << 20).Bytes;
  }

  wxUpdateUIEvent Ask(int id)
  {
    wxUpdateUIEvent event(id);
    event.SetEventObject(m_frame);
    m_frame->ProcessWindowEvent(event);
    return event;
  }
  wxString MenuLabel(int id) { return Ask(id).GetText(); }

  template <class Dialog> void Answer(int id, std::function<int(Dialog*)> answer)
  {
    wxTEST_DIALOG(Command(id), ExpectDialog<Dialog>(std::move(answer)));
  }

  void ClickBox(CItemPropertiesWindow* window, int id)
  {
    auto* box = dynamic_cast<wxCheckBox*>(window->FindWindow(id));
    ASSERT_NE(box, nullptr);
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetInt(box->GetValue() ? 1 : 0);
    event.SetEventObject(box);
    box->ProcessWindowEvent(event);
  }
};

int AcceptNewItem(CNewItemDialog* dialog)
{
  return dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
}

TEST_F(EditCommands, EveryEditUndoesToTheOpenedFileAndRedoesToTheEditedTables)
{
  Open("Lighthouse");
  const TovelTables opened = TheTovel;
  EXPECT_FALSE(History().CanUndo());
  EXPECT_EQ(MenuLabel(ids::EditUndo), "&Undo\tCtrl+Z");

  // One step each, in the order the user took them.
  const std::vector<std::string> steps = {
      "Move down",   "Erase",    "Move",      "Left",      "Clickable", "Text",  "IO connections",
      "Bitmap list", "New item", "New input", "Duplicate", "Cut",       "Paste",
  };
  m_frame->SelectItem(0);
  Command(ids::MoveDown);
  EXPECT_EQ(MenuLabel(ids::EditUndo), "&Undo Move down\tCtrl+Z");
  wxTEST_DIALOG(Command(ids::EditDelete),
                ExpectMessage("Are you sure you want to delete this item?",
                              messages::WarningCaption, wxID_OK));
  // A run of arrow presses on one item is one step.
  m_frame->SelectItem(0);
  for (int i = 0; i < 3; ++i) ItemKeyDown(WXK_RIGHT, false);
  ItemKeyDown(WXK_DOWN, false);

  Command(ids::Properties);
  CItemPropertiesWindow* window = m_frame->GetPropertiesWindow();
  ASSERT_NE(window, nullptr);
  // Typing into a field is one step until the field is left.
  window->GetEdit(ids::PropertiesLeft)->SetValue("2");
  window->GetEdit(ids::PropertiesLeft)->SetValue("25");
  ClickBox(window, ids::PropertiesClickable);
  m_frame->SelectItem(4); // the "Lighthouse" text item, now number 4
  ASSERT_TRUE(ItemTable[4].Flags & FlagText);
  window->GetEdit(ids::PropertiesText)->SetValue("Lighthouse!");

  Answer<CConnectionsSheet>(ids::SetConnections, [](CConnectionsSheet* sheet) {
    sheet->SetCellText(ConnectionTable::Inputs, ids::ConnectionEdit(3, 2), "5");
    return wxID_OK;
  });
  // Removing slot 0 renumbers every picture; adding gives a new slot.
  Answer<CChooseBitmapDialog>(ids::ChooseBitmaps, [](CChooseBitmapDialog* dialog) {
    dialog->ClickSlot(0);
    dialog->RemoveChecked();
    EXPECT_TRUE(dialog->AddBitmap("pumps\\valve.bmp"));
    return wxID_OK;
  });
  Answer<CNewItemDialog>(ids::NewItem, AcceptNewItem);
  Answer<CNewInputDialog>(ids::NewInput, [](CNewInputDialog* dialog) {
    return dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
  });
  Command(ids::Duplicate);
  Command(ids::EditCut);
  Command(ids::EditPaste);
  const TovelTables edited = TheTovel;
  EXPECT_TRUE(Modified());

  std::vector<std::string> undone;
  while (History().CanUndo()) {
    undone.insert(undone.begin(), History().UndoName());
    Command(ids::EditUndo);
  }
  EXPECT_EQ(undone, steps);
  EXPECT_TRUE(SameSavedTables(TheTovel, opened));
  EXPECT_FALSE(Modified());
  for (int slot = 0; slot < BitmapCount; ++slot)
    EXPECT_TRUE(BitmapImages[slot].Bitmap) << "slot " << slot << " shows its picture again";
  EXPECT_EQ(MenuLabel(ids::EditRedo), "&Redo Move down\tCtrl+Y");

  // Saved after the undo, the file is the one opened, byte for byte.
  ASSERT_TRUE(m_frame->GetDocument()->WriteTovel(m_folder / "Saved"));
  EXPECT_EQ(FileBytes(m_folder / "Saved"), FileBytes(m_folder / "Lighthouse"));

  while (History().CanRedo()) Command(ids::EditRedo);
  EXPECT_TRUE(SameSavedTables(TheTovel, edited));
  EXPECT_TRUE(Modified());
  EXPECT_TRUE(BitmapImages[BitmapCount - 1].Bitmap);
}

TEST_F(EditCommands, PastedItemsBringTheirPicturesIntoAnotherTovel)
{
  Open("Lighthouse");
  // Item 1 shows the two LED pictures, which PumpHouse does not use.
  m_frame->SelectItem(1);
  const TovelItem copied = ItemTable[1];
  Command(ids::EditCopy);

  Open("PumpHouse");
  const int count = ItemCount;
  const int bitmaps = BitmapCount;
  EXPECT_TRUE(Ask(ids::EditPaste).GetEnabled());
  Command(ids::EditPaste);
  ASSERT_EQ(ItemCount, count + 1);
  EXPECT_EQ(CurrentItem, count);
  const TovelItem& pasted = ItemTable[count];
  EXPECT_EQ(pasted.Left, copied.Left + 10);
  EXPECT_EQ(pasted.Top, copied.Top + 10);
  ASSERT_EQ(BitmapCount, bitmaps + 2);
  EXPECT_EQ(pasted.Contents[0], std::to_string(bitmaps));
  EXPECT_EQ(pasted.Contents[1], std::to_string(bitmaps + 1));
  EXPECT_EQ(BitmapNames[bitmaps], "lamps\\led_off.bmp");
  EXPECT_TRUE(BitmapImages[bitmaps].Bitmap);
  EXPECT_TRUE(BitmapImages[bitmaps + 1].Bitmap);

  // One undo takes the item and the bitmaps it brought back out.
  Command(ids::EditUndo);
  EXPECT_EQ(ItemCount, count);
  EXPECT_EQ(BitmapCount, bitmaps);
  EXPECT_FALSE(Modified());
}

} // namespace
