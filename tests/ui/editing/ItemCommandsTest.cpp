// The item commands as the user gives them: toolbar command, dialogs and
// message boxes answered.
#include <gtest/gtest.h>

#include <string>

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "bitmaps/BitmapPicker.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/NewItemDialog.h"
#include "editing/ObjectsView.h"
#include "editing/PaintRecorder.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

namespace {

const wxString EraseQuestion = "Are you sure you want to delete this item?";

class ItemCommands : public FrameFixture {
protected:
  // Five labels "item0" to "item4", item 2 current, and links that name
  // them.
  void FiveItems()
  {
    ItemCount = 5;
    for (int i = 0; i < 5; ++i)
      ItemTable[i] = {10 * i,
                      10 * i,
                      10 * i + 50,
                      10 * i + 21,
                      FlagText | FlagFilled,
                      0,
                      {"item" + std::to_string(i), "-1", "-1", "-1"}};
    OutputLinks[0][0] = 2;
    OutputLinks[0][1] = 4;
    InputLinks[0][0] = 1;
    InputLinks[0][1] = 2;
    InputLinks[0][2] = 7;
    VariableLinks[3] = 3;
    AnnounceTovelChange({TovelChange::Replaced});
    m_frame->SelectItem(2);
  }

  bool Modified() const { return m_frame->GetDocument()->IsModified(); }

  // Runs New item, answering its dialog with `answer`.
  void NewItem(std::function<int(CNewItemDialog*)> answer)
  {
    wxTEST_DIALOG(Command(ids::NewItem), ExpectDialog<CNewItemDialog>(std::move(answer)));
  }
};

// Answers "BMP..."'s Choose Bitmap dialog with a result code.
ExpectDialog<CChooseBitmapDialog> PickResult(int result)
{
  return ExpectDialog<CChooseBitmapDialog>([result](CChooseBitmapDialog*) { return result; });
}

int Accept(CNewItemDialog* dialog)
{
  return dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
}

} // namespace

TEST_F(ItemCommands, EraseAnsweredCancelChangesNothing)
{
  FiveItems();
  const TovelTables before = TheTovel;
  wxTEST_DIALOG(Command(ids::Erase), ExpectDialog<wxMessageDialog>([](wxMessageDialog* box) {
                  EXPECT_EQ(box->GetMessage(), EraseQuestion);
                  EXPECT_EQ(box->GetTitle(), messages::WarningCaption);
                  EXPECT_EQ(box->GetMessageDialogStyle() & wxICON_MASK, wxICON_NONE) << "no icon";
                  return wxID_CANCEL;
                }));
  EXPECT_EQ(TheTovel, before);
  EXPECT_FALSE(Modified());

  // With no current item nothing is asked at all.
  m_frame->SelectItem(-1);
  Command(ids::Erase);
  EXPECT_EQ(ItemCount, 5);
}

TEST_F(ItemCommands, EraseAnsweredOkRemovesTheItemAndRenumbersItsLinks)
{
  FiveItems();
  wxTEST_DIALOG(Command(ids::Erase),
                ExpectMessage(EraseQuestion, messages::WarningCaption, wxID_OK));
  ASSERT_EQ(ItemCount, 4);
  EXPECT_EQ(ItemTable[1].Contents[0], "item1");
  EXPECT_EQ(ItemTable[2].Contents[0], "item3");
  EXPECT_EQ(ItemTable[3].Contents[0], "item4");
  EXPECT_EQ(CurrentItem, 2);
  EXPECT_EQ(OutputLinks[0][0], 3);
  EXPECT_EQ(OutputLinks[0][1], -1);
  EXPECT_EQ(InputLinks[0][1], -1);
  EXPECT_EQ(InputLinks[0][2], 7);
  EXPECT_EQ(VariableLinks[3], 2);
  EXPECT_TRUE(Modified());

  // Erasing the last item leaves nothing current.
  m_frame->SelectItem(3);
  wxTEST_DIALOG(Command(ids::Erase),
                ExpectMessage(EraseQuestion, messages::WarningCaption, wxID_OK));
  EXPECT_EQ(ItemCount, 3);
  EXPECT_EQ(CurrentItem, -1);
  EXPECT_EQ(OutputLinks[0][0], -1) << "its link goes with it";
  EXPECT_EQ(VariableLinks[3], 2);
}

TEST_F(ItemCommands, MovesKeepTheSelectionWithTheItem)
{
  FiveItems();
  m_frame->GetDocument()->Modify(false);
  Command(ids::MoveUp);
  EXPECT_EQ(CurrentItem, 1);
  EXPECT_EQ(ItemTable[1].Contents[0], "item2");
  EXPECT_EQ(ItemTable[2].Contents[0], "item1");
  EXPECT_EQ(OutputLinks[0][0], 1);
  EXPECT_EQ(InputLinks[0][0], 2);
  EXPECT_EQ(InputLinks[0][1], 1);
  EXPECT_EQ(InputLinks[0][2], 7);
  EXPECT_TRUE(Modified());

  m_frame->GetDocument()->Modify(false);
  Command(ids::MoveDown);
  Command(ids::MoveDown);
  Command(ids::MoveDown);
  EXPECT_EQ(CurrentItem, 4);
  EXPECT_EQ(ItemTable[4].Contents[0], "item2");
  EXPECT_EQ(ItemTable[3].Contents[0], "item4");
  EXPECT_EQ(ItemTable[2].Contents[0], "item3");
  EXPECT_EQ(OutputLinks[0][0], 4);
  EXPECT_EQ(OutputLinks[0][1], 3);
  EXPECT_EQ(VariableLinks[3], 2);
  EXPECT_TRUE(Modified());
}

TEST_F(ItemCommands, ZoomAndLabelsChangeTheViewOnly)
{
  CTovelView* view = m_frame->GetTovelView();
  ASSERT_EQ(view->ZoomLevel(), 1);
  for (int step = 2; step <= 4; ++step) {
    Command(ids::ZoomIn);
    EXPECT_EQ(view->ZoomLevel(), step);
  }
  for (int step = 3; step >= 1; --step) {
    Command(ids::ZoomOut);
    EXPECT_EQ(view->ZoomLevel(), step);
  }

  ASSERT_TRUE(view->LabelsShown());
  Command(ids::ShowLabels);
  EXPECT_FALSE(view->LabelsShown());
  Command(ids::ShowLabels);
  EXPECT_TRUE(view->LabelsShown());
  EXPECT_FALSE(Modified());
}

TEST_F(ItemCommands, NewItemOnAnEmptyTovelOffersABackground)
{
  NewItem([](CNewItemDialog* dialog) {
    EXPECT_EQ(dialog->GetTitle(), "New item");
    EXPECT_TRUE(dialog->GetBackgroundButton()->GetValue());
    EXPECT_FALSE(dialog->GetLabelButton()->GetValue());
    EXPECT_TRUE(dialog->GetPictureButton()->IsEnabled());
    EXPECT_EQ(dialog->GetPictureButton()->GetLabel(), "BMP...");
    EXPECT_EQ(dialog->PictureReference(), "-1");
    return Accept(dialog);
  });
  ASSERT_EQ(ItemCount, 1);
  EXPECT_EQ(ItemTable[0], (TovelItem{0, 0, 400, 320, 0, 0, {"-1", "-1", "-1", "-1"}}));
  EXPECT_EQ(CurrentItem, 0);
  EXPECT_TRUE(Modified());

  // A second background with picture 3, picked through "BMP...".
  BitmapNames[3] = "PUMPS\\PUMP.BMP";
  BitmapCount = 4;
  NewItem([](CNewItemDialog* dialog) {
    EXPECT_TRUE(dialog->GetLabelButton()->GetValue()) << "a label is offered first now";
    EXPECT_FALSE(dialog->GetPictureButton()->IsEnabled());
    dialog->ChooseBackground();
    EXPECT_TRUE(dialog->GetPictureButton()->IsEnabled());
    wxTEST_DIALOG(dialog->PressPictureButton(), PickResult(ChooseBitmapFirstSlot + 3));
    EXPECT_EQ(dialog->PictureReference(), "3");
    EXPECT_EQ(dialog->GetPictureButton()->GetLabel(), PictureButtonCaption("3"));
    // Cancelling the next pick keeps the picture.
    wxTEST_DIALOG(dialog->PressPictureButton(), PickResult(ChooseBitmapCancelled));
    EXPECT_EQ(dialog->PictureReference(), "3");
    // A Remove of an earlier slot during a cancelled pick: the picture
    // follows its bitmap to slot 2.
    wxTEST_DIALOG(dialog->PressPictureButton(),
                  ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* chooser) {
                    chooser->ClickSlot(0);
                    chooser->RemoveChecked();
                    return ChooseBitmapCancelled;
                  }));
    EXPECT_EQ(dialog->PictureReference(), "2");
    return Accept(dialog);
  });
  ASSERT_EQ(ItemCount, 2);
  EXPECT_EQ(ItemTable[1], (TovelItem{0, 0, 400, 320, 0, 0, {"2", "-1", "-1", "-1"}}));
  EXPECT_EQ(CurrentItem, 1);
}

TEST_F(ItemCommands, NewLabelLiesOnTopAndIsSelected)
{
  FiveItems();
  m_frame->GetDocument()->Modify(false);
  NewItem([](CNewItemDialog* dialog) {
    // Picking a picture and then going back to a label still makes a label.
    dialog->ChooseBackground();
    wxTEST_DIALOG(dialog->PressPictureButton(), PickResult(ChooseBitmapFirstSlot + 0));
    wxTEST_DIALOG(dialog->PressPictureButton(), PickResult(ChooseBitmapNone));
    EXPECT_EQ(dialog->PictureReference(), "-1");
    EXPECT_EQ(dialog->GetPictureButton()->GetLabel(), "BMP...");
    dialog->ChooseLabel();
    EXPECT_FALSE(dialog->GetPictureButton()->IsEnabled());
    return Accept(dialog);
  });
  ASSERT_EQ(ItemCount, 6);
  EXPECT_EQ(ItemTable[5],
            (TovelItem{0, 0, 50, 21, FlagText | FlagFilled, 0, {"New", "-1", "-1", "-1"}}));
  EXPECT_EQ(CurrentItem, 5);
  EXPECT_EQ(ItemTable[4].Contents[0], "item4") << "the others keep their places";
  EXPECT_TRUE(Modified());

  // Cancel adds nothing.
  m_frame->GetDocument()->Modify(false);
  NewItem([](CNewItemDialog*) { return wxID_CANCEL; });
  EXPECT_EQ(ItemCount, 6);
  EXPECT_FALSE(Modified());
}

TEST_F(ItemCommands, PropertiesShowsTheItemPropertiesWindow)
{
  FiveItems();
  ASSERT_EQ(m_frame->GetPropertiesWindow(), nullptr);
  Command(ids::Properties);
  CItemPropertiesWindow* window = m_frame->GetPropertiesWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->IsShown());
  EXPECT_EQ(window->GetParent(), m_frame);

  // Closing only hides it; the command shows the same window again.
  window->Hide();
  Command(ids::Properties);
  EXPECT_EQ(m_frame->GetPropertiesWindow(), window);
  EXPECT_TRUE(window->IsShown());
  EXPECT_FALSE(Modified());
}

TEST_F(ItemCommands, EraseRepaintsOnlyWhenConfirmed)
{
  FiveItems();
  CTovelView* view = m_frame->GetTovelView();
  PaintRecorder page(view);
  PaintRecorder list(m_frame->GetObjectsView());
  const wxRect erased = ItemOnScreen(view, ItemTable[2]);

  page.Start();
  list.Start();
  wxTEST_DIALOG(Command(ids::Erase),
                ExpectMessage(EraseQuestion, messages::WarningCaption, wxID_CANCEL));
  page.Settle();
  list.Settle();
  EXPECT_TRUE(page.PaintedNothing());
  EXPECT_TRUE(list.PaintedNothing());

  wxTEST_DIALOG(Command(ids::Erase),
                ExpectMessage(EraseQuestion, messages::WarningCaption, wxID_OK));
  page.Settle();
  list.Settle();
  EXPECT_TRUE(page.Covers(erased)) << "the place the item left";
  const wxSize listSize = m_frame->GetObjectsView()->GetClientSize();
  EXPECT_TRUE(list.Covers(wxRect(listSize))) << "the whole item list";
}

TEST_F(ItemCommands, MovesRepaintBothItemsAndTheWindowFollows)
{
  FiveItems();
  Command(ids::Properties);
  CItemPropertiesWindow* window = m_frame->GetPropertiesWindow();
  ASSERT_NE(window, nullptr);
  CTovelView* view = m_frame->GetTovelView();
  PaintRecorder page(view);

  page.Start();
  const wxRect second = ItemOnScreen(view, ItemTable[2]);
  const wxRect third = ItemOnScreen(view, ItemTable[3]);
  Command(ids::MoveDown);
  page.Settle();
  EXPECT_TRUE(page.Covers(second));
  EXPECT_TRUE(page.Covers(third));
  // The window shows the moved item, now number 3.
  EXPECT_EQ(CurrentItem, 3);
  EXPECT_EQ(window->GetEdit(ids::PropertiesText)->GetValue(), "item2");
  EXPECT_EQ(window->GetEdit(ids::PropertiesLeft)->GetValue(), "20");

  // After Erase it shows the item that took the erased one's place.
  wxTEST_DIALOG(Command(ids::Erase),
                ExpectMessage(EraseQuestion, messages::WarningCaption, wxID_OK));
  EXPECT_EQ(CurrentItem, 3);
  EXPECT_EQ(window->GetEdit(ids::PropertiesText)->GetValue(), "item4");

  // A new item becomes current and the window shows it.
  NewItem(Accept);
  EXPECT_EQ(CurrentItem, 4);
  EXPECT_EQ(window->GetEdit(ids::PropertiesText)->GetValue(), "New");
  EXPECT_EQ(window->GetEdit(ids::PropertiesRight)->GetValue(), "50");
}
