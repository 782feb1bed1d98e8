#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "connections/NewInputDialog.h"
#include "connections/NewMotorDialog.h"
#include "connections/NewOutputDialog.h"
#include "connections/NewValueDialog.h"
#include "connections/NewVariableDialog.h"
#include "document/TovelCreatorDoc.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

namespace {

constexpr int LabelBits = FlagClickable | FlagText | FlagFilled | FlagLabel;

class NewConnectionCommands : public FrameFixture {
protected:
  void TearDown() override
  {
    for (auto& slot : BitmapImages) slot.Width = slot.Height = 0;
    FrameFixture::TearDown();
  }

  bool Modified() const { return m_frame->GetDocument()->IsModified(); }

  // Two pictures: slot 0 "OFF", 40 x 10, and slot 1 "ON", 20 x 30.
  void TwoPictures()
  {
    BitmapNames[0] = "LAMPS\\OFF.BMP";
    BitmapNames[1] = "LAMPS\\ON.BMP";
    BitmapCount = 2;
    BitmapImages[0].Width = 40;
    BitmapImages[0].Height = 10;
    BitmapImages[1].Width = 20;
    BitmapImages[1].Height = 30;
  }

  // Items 0-2 pictures, items 3-4 labels.
  void ItemsAndLabels()
  {
    ItemCount = 5;
    for (int i = 0; i < 5; ++i)
      ItemTable[i] = {0,
                      0,
                      10,
                      10,
                      i < 3 ? FlagClickable : LabelBits,
                      0,
                      {"item" + std::to_string(i), "-1", "-1", "-1"}};
  }

  // Runs a command whose dialog is answered by `answer`.
  template <class Dialog> void Run(int id, std::function<int(Dialog*)> answer)
  {
    wxTEST_DIALOG(Command(id), ExpectDialog<Dialog>(std::move(answer)));
  }
};

template <class Dialog> int Accept(Dialog* dialog)
{
  return dialog->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
}

// Answers the Choose Bitmap dialog of a "BMP..." button, after checking
// which slot it shows as chosen.
ExpectDialog<CChooseBitmapDialog> Pick(int result, int shownSlot = -1)
{
  return ExpectDialog<CChooseBitmapDialog>([result, shownSlot](CChooseBitmapDialog* dialog) {
    EXPECT_EQ(dialog->CheckedSlot(), shownSlot);
    return result;
  });
}

// Types a refused entry and checks the message OK shows; the dialog stays.
template <class Dialog>
void ExpectRefused(Dialog* dialog, const wxString& text, const wxString& message)
{
  dialog->GetEdit()->SetValue(text);
  bool accepted = true;
  wxTEST_DIALOG(accepted = dialog->TransferDataFromWindow(),
                ExpectDialog<wxMessageDialog>([&](wxMessageDialog* box) {
                  EXPECT_EQ(box->GetMessage(), message);
                  EXPECT_EQ(box->GetTitle(), messages::AppTitle());
                  EXPECT_TRUE(box->GetMessageDialogStyle() & wxICON_WARNING);
                  return wxID_OK;
                }));
  EXPECT_FALSE(accepted) << text;
}

} // namespace

TEST_F(NewConnectionCommands, NewInputPicksItsPicturesAndIsSelected)
{
  TwoPictures();
  Run<CNewInputDialog>(ids::NewInput, [](CNewInputDialog* dialog) {
    EXPECT_EQ(dialog->GetTitle(), "New input");
    EXPECT_EQ(dialog->GetId(), ids::NewInputDialog);
    EXPECT_EQ(dialog->GetEdit()->GetValue(), "1");
    EXPECT_EQ(dialog->GetEdit()->GetId(), ids::NewConnectionNumberEdit);
    EXPECT_EQ(dialog->PictureButtonCount(), 2);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(dialog->GetPictureButton(i)->GetLabel(), "BMP...");
      EXPECT_EQ(dialog->GetPictureButton(i)->GetId(), ids::NewConnectionPicture0 + i);
      EXPECT_EQ(dialog->PictureReference(i), "-1");
    }
    // ON gets slot 1; pressing it again shows slot 1 chosen, and Cancel
    // keeps it.
    wxTEST_DIALOG(dialog->PressPictureButton(1), Pick(ChooseBitmapFirstSlot + 1));
    EXPECT_EQ(dialog->PictureReference(1), "1");
    EXPECT_EQ(dialog->GetPictureButton(1)->GetLabel(), "ON");
    wxTEST_DIALOG(dialog->PressPictureButton(1), Pick(ChooseBitmapCancelled, 1));
    EXPECT_EQ(dialog->PictureReference(1), "1");
    // OFF gets a picture and then none again.
    wxTEST_DIALOG(dialog->PressPictureButton(0), Pick(ChooseBitmapFirstSlot + 0));
    EXPECT_EQ(dialog->GetPictureButton(0)->GetLabel(), "OFF");
    wxTEST_DIALOG(dialog->PressPictureButton(0), Pick(ChooseBitmapNone, 0));
    EXPECT_EQ(dialog->PictureReference(0), "-1");
    EXPECT_EQ(dialog->GetPictureButton(0)->GetLabel(), "BMP...");
    return Accept(dialog);
  });
  ASSERT_EQ(ItemCount, 2);
  EXPECT_EQ(ItemTable[0], (TovelItem{0, 0, 20, 30, FlagClickable, 1, {"-1", "1", "-1", "-1"}}));
  EXPECT_EQ(ItemTable[1],
            (TovelItem{0, 30, 35, 51, LabelBits | FlagYellow, 0, {"in 1", "-1", "-1", "-1"}}));
  EXPECT_EQ(InputLinks[0][0], 0);
  EXPECT_EQ(InputLinks[0][1], -1);
  EXPECT_EQ(CurrentItem, 0);
  EXPECT_TRUE(Modified());

  // Cancel in the dialog adds nothing.
  m_frame->GetDocument()->Modify(false);
  const TovelTables before = TheTovel;
  Run<CNewInputDialog>(ids::NewInput, [](CNewInputDialog* dialog) {
    EXPECT_EQ(dialog->GetEdit()->GetValue(), "2");
    return wxID_CANCEL;
  });
  EXPECT_EQ(TheTovel, before);
  EXPECT_FALSE(Modified());
}

TEST_F(NewConnectionCommands, AFullInputAsksBeforeReplacingItsSecondItem)
{
  ItemsAndLabels();
  InputLinks[4][0] = 0;
  InputLinks[4][1] = 1;
  InputLinks[4][2] = 6; // the switch-off input
  const TovelTables before = TheTovel;
  const auto input5 = [](CNewInputDialog* dialog) {
    dialog->GetEdit()->SetValue("5");
    return Accept(dialog);
  };
  const wxString question =
      "There are already two items for this input, continue, replacing the latter one?";
  wxTEST_DIALOG(Command(ids::NewInput), ExpectDialog<CNewInputDialog>(input5),
                ExpectMessage(question, messages::WarningCaption, wxID_CANCEL));
  EXPECT_EQ(TheTovel, before);
  EXPECT_FALSE(Modified());

  wxTEST_DIALOG(Command(ids::NewInput), ExpectDialog<CNewInputDialog>(input5),
                ExpectMessage(question, messages::WarningCaption, wxID_OK));
  ASSERT_EQ(ItemCount, 7);
  EXPECT_EQ(InputLinks[4][0], 0);
  EXPECT_EQ(InputLinks[4][1], 3);
  EXPECT_EQ(InputLinks[4][2], 6);
  EXPECT_EQ(ItemTable[1], before.ItemTable[1]) << "the replaced item stays";
  EXPECT_EQ(ItemTable[6].Contents[0], "in 5");
  EXPECT_EQ(CurrentItem, 3);
  EXPECT_TRUE(Modified());
}

TEST_F(NewConnectionCommands, PicturesFollowTheirBitmapsWhenOneIsRemovedMeanwhile)
{
  TwoPictures();
  BitmapNames[2] = "LAMPS\\RED.BMP";
  BitmapCount = 3;
  BitmapImages[2].Width = 60;
  BitmapImages[2].Height = 5;
  Run<CNewMotorDialog>(ids::NewMotor, [](CNewMotorDialog* dialog) {
    wxTEST_DIALOG(dialog->PressPictureButton(0), Pick(ChooseBitmapFirstSlot + 2));
    wxTEST_DIALOG(dialog->PressPictureButton(1), Pick(ChooseBitmapFirstSlot + 0));
    EXPECT_EQ(dialog->GetPictureButton(0)->GetLabel(), "RED");
    // REV: slot 0 (OFF.BMP) is removed in the Choose Bitmap dialog, which
    // is then cancelled. RED moves to slot 1; FD showed OFF.BMP and now
    // shows none.
    wxTEST_DIALOG(dialog->PressPictureButton(3),
                  ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* chooser) {
                    chooser->ClickSlot(0);
                    chooser->RemoveChecked();
                    return ChooseBitmapCancelled;
                  }));
    EXPECT_EQ(dialog->PictureReference(0), "1");
    EXPECT_EQ(dialog->GetPictureButton(0)->GetLabel(), "RED");
    EXPECT_EQ(dialog->PictureReference(1), "-1");
    EXPECT_EQ(dialog->GetPictureButton(1)->GetLabel(), "BMP...");
    EXPECT_EQ(dialog->PictureReference(3), "-1");
    return Accept(dialog);
  });
  ASSERT_EQ(BitmapCount, 2);
  ASSERT_EQ(ItemCount, 2);
  EXPECT_EQ(ItemTable[0], (TovelItem{0, 0, 60, 5, FlagClickable, 0, {"1", "-1", "-1", "-1"}}));
  EXPECT_EQ(MotorLinks[0][0], 0);
}

TEST_F(NewConnectionCommands, AFullOutputAsksBeforeReplacingItsLastItem)
{
  ItemsAndLabels();
  OutputLinks[1][0] = 0;
  OutputLinks[1][1] = 1;
  OutputLinks[1][2] = 2;
  VariableLinks[3] = 4; // a link to the second label
  m_frame->SelectItem(4);
  const TovelTables before = TheTovel;
  const auto question = [](int answer) {
    return ExpectDialog<wxMessageDialog>([answer](wxMessageDialog* box) {
      EXPECT_EQ(box->GetMessage(), "There are already three items for this output, continue, "
                                   "replacing the latter one?");
      EXPECT_EQ(box->GetTitle(), messages::WarningCaption);
      EXPECT_EQ(box->GetMessageDialogStyle() & wxICON_MASK, wxICON_NONE) << "no icon";
      EXPECT_TRUE(box->GetMessageDialogStyle() & wxCANCEL);
      return answer;
    });
  };
  const auto output2 = [](CNewOutputDialog* dialog) {
    EXPECT_EQ(dialog->GetTitle(), "New output");
    EXPECT_EQ(dialog->GetEdit()->GetValue(), "1");
    // OK refuses what is not an output number, and the dialog stays open.
    ExpectRefused(dialog, "two", "Please enter an integer.");
    ExpectRefused(dialog, "9", "Please enter an integer between 1 and 8.");
    ExpectRefused(dialog, "0", "Please enter an integer between 1 and 8.");
    dialog->GetEdit()->SetValue("2");
    return Accept(dialog);
  };

  wxTEST_DIALOG(Command(ids::NewOutput), ExpectDialog<CNewOutputDialog>(output2),
                question(wxID_CANCEL));
  EXPECT_EQ(TheTovel, before);
  EXPECT_FALSE(Modified());

  wxTEST_DIALOG(Command(ids::NewOutput), ExpectDialog<CNewOutputDialog>(output2),
                question(wxID_OK));
  ASSERT_EQ(ItemCount, 7);
  EXPECT_EQ(ItemTable[3], (TovelItem{0, 0, 0, 0, FlagClickable, 0, {"-1", "-1", "-1", "-1"}}));
  EXPECT_EQ(ItemTable[4], before.ItemTable[3]);
  EXPECT_EQ(ItemTable[5], before.ItemTable[4]);
  EXPECT_EQ(ItemTable[6], (TovelItem{0, 0, 50, 21, LabelBits, 0, {"out 2", "-1", "-1", "-1"}}));
  EXPECT_EQ(OutputLinks[1][0], 0);
  EXPECT_EQ(OutputLinks[1][1], 1);
  EXPECT_EQ(OutputLinks[1][2], 3);
  EXPECT_EQ(ItemTable[2], before.ItemTable[2]) << "the replaced item stays";
  EXPECT_EQ(VariableLinks[3], 5) << "the link follows its label";
  EXPECT_EQ(CurrentItem, 3);
  EXPECT_TRUE(Modified());
}

TEST_F(NewConnectionCommands, NewMotorTakesOnlyTheLettersOfAMotor)
{
  TwoPictures();
  ItemsAndLabels();
  MotorLinks[0][0] = 0;
  MotorLinks[0][1] = 1;
  Run<CNewMotorDialog>(ids::NewMotor, [](CNewMotorDialog* dialog) {
    EXPECT_EQ(dialog->GetTitle(), "New motor");
    EXPECT_EQ(dialog->GetEdit()->GetId(), ids::NewConnectionLetterEdit);
    EXPECT_EQ(dialog->GetEdit()->GetValue(), "b");
    EXPECT_EQ(dialog->PictureButtonCount(), 4);
    EXPECT_EQ(dialog->GetPictureButton(3)->GetId(), ids::NewConnectionPicture0 + 3);
    // The edit holds one character at most.
    dialog->GetEdit()->Clear();
    dialog->GetEdit()->WriteText("c");
    dialog->GetEdit()->WriteText("d");
    EXPECT_EQ(dialog->GetEdit()->GetValue(), "c");
    const wxString refused = "Please enter the letter of a motor: a, b, c or d.";
    ExpectRefused(dialog, "e", refused);
    ExpectRefused(dialog, "B", refused);
    ExpectRefused(dialog, "", refused);
    dialog->GetEdit()->SetValue("c");
    wxTEST_DIALOG(dialog->PressPictureButton(3), Pick(ChooseBitmapFirstSlot + 1));
    return Accept(dialog);
  });
  ASSERT_EQ(ItemCount, 7);
  EXPECT_EQ(ItemTable[3], (TovelItem{0, 0, 20, 30, FlagClickable, 3, {"-1", "-1", "-1", "1"}}));
  EXPECT_EQ(ItemTable[6], (TovelItem{0, 30, 50, 51, LabelBits, 0, {"mot c", "-1", "-1", "-1"}}));
  EXPECT_EQ(MotorLinks[2][0], 3);
  EXPECT_EQ(CurrentItem, 3);

  // Motor a is full: Cancel at the question changes nothing, OK replaces
  // its second item.
  const TovelTables before = TheTovel;
  const auto motorA = [](CNewMotorDialog* dialog) {
    dialog->GetEdit()->SetValue("a");
    return Accept(dialog);
  };
  const wxString question =
      "There are already two items for this motor, continue, replacing the latter one?";
  wxTEST_DIALOG(Command(ids::NewMotor), ExpectDialog<CNewMotorDialog>(motorA),
                ExpectMessage(question, messages::WarningCaption, wxID_CANCEL));
  EXPECT_EQ(TheTovel, before);
  wxTEST_DIALOG(Command(ids::NewMotor), ExpectDialog<CNewMotorDialog>(motorA),
                ExpectMessage(question, messages::WarningCaption, wxID_OK));
  EXPECT_EQ(MotorLinks[0][0], 0);
  EXPECT_EQ(MotorLinks[0][1], 4);
  EXPECT_EQ(MotorLinks[2][0], 3);
  EXPECT_EQ(ItemCount, 9);
  EXPECT_EQ(ItemTable[1].Contents[0], "item1") << "the replaced item stays";
}

TEST_F(NewConnectionCommands, NewValueWithOneLessPlaceFillsTheSecondEntry)
{
  ItemsAndLabels();
  ValueLinks[0][0] = 1;
  ValueLinks[1][1] = 0;
  ValueLinks[2][1] = 2;
  Run<CNewValueDialog>(ids::NewValue, [](CNewValueDialog* dialog) {
    EXPECT_EQ(dialog->GetTitle(), "New analogue value");
    EXPECT_EQ(dialog->GetEdit()->GetValue(), "4");
    EXPECT_EQ(dialog->PictureButtonCount(), 0);
    EXPECT_TRUE(dialog->GetFullPlacesButton()->GetValue());
    EXPECT_FALSE(dialog->GetOneLessPlaceButton()->GetValue());
    EXPECT_EQ(dialog->GetOneLessPlaceButton()->GetId(), ids::NewValueOneLessPlaceRadio);
    ExpectRefused(dialog, "5", "Please enter an integer between 1 and 4.");
    ExpectRefused(dialog, "1.5", "Please enter an integer.");
    dialog->GetEdit()->SetValue("3");
    dialog->ChooseOneLessPlace(true);
    return Accept(dialog);
  });
  ASSERT_EQ(ItemCount, 7);
  EXPECT_EQ(
      ItemTable[3],
      (TovelItem{0, 21, 40, 42, FlagClickable | FlagText | FlagFilled, 0, {"0", "0", "0", "0"}}));
  EXPECT_EQ(ItemTable[6],
            (TovelItem{0, 0, 40, 21, LabelBits | FlagYellow, 0, {"val 3", "-1", "-1", "-1"}}));
  EXPECT_EQ(ValueLinks[2][0], -1);
  EXPECT_EQ(ValueLinks[2][1], 3) << "replaced without asking";
  EXPECT_EQ(CurrentItem, 3);
  EXPECT_TRUE(Modified());

  // Full places again, for the same value: the first entry.
  Run<CNewValueDialog>(ids::NewValue, [](CNewValueDialog* dialog) {
    dialog->GetEdit()->SetValue("3");
    dialog->ChooseOneLessPlace(true);
    dialog->ChooseOneLessPlace(false);
    return Accept(dialog);
  });
  EXPECT_EQ(ValueLinks[2][0], 4);
  EXPECT_EQ(ValueLinks[2][1], 3);
}

TEST_F(NewConnectionCommands, NewVariableTakesOnlyTheLettersOfAVariable)
{
  ItemsAndLabels();
  VariableLinks[0] = 2;
  Run<CNewVariableDialog>(ids::NewVariable, [](CNewVariableDialog* dialog) {
    EXPECT_EQ(dialog->GetTitle(), "New variable");
    EXPECT_EQ(dialog->GetEdit()->GetValue(), "b");
    // Any other entry would silently take variable a's place.
    const wxString refused = "Please enter the letter of a variable: a, b, c, d, n, x, y or z.";
    for (const wxString& letter :
         {wxString("q"), wxString("B"), wxString(), wxString(";"), wxString::FromUTF8("\u03A9")})
      ExpectRefused(dialog, letter, refused);
    dialog->GetEdit()->SetValue("a");
    return Accept(dialog);
  });
  ASSERT_EQ(ItemCount, 7);
  EXPECT_EQ(ItemTable[6],
            (TovelItem{0, 0, 40, 21, LabelBits | FlagYellow, 0, {"var a", "-1", "-1", "-1"}}));
  EXPECT_EQ(VariableLinks[0], 3);
  EXPECT_EQ(VariableLinks[1], -1);

  Run<CNewVariableDialog>(ids::NewVariable, [](CNewVariableDialog* dialog) {
    dialog->GetEdit()->SetValue("z");
    return Accept(dialog);
  });
  EXPECT_EQ(VariableLinks[7], 4) << "before the first label";
  EXPECT_EQ(VariableLinks[0], 3);
  EXPECT_EQ(ItemTable[8].Contents[0], "var z");
  EXPECT_EQ(CurrentItem, 4);

  // With no room for two items the command does nothing.
  ItemCount = 29;
  m_frame->GetDocument()->Modify(false);
  Command(ids::NewVariable);
  EXPECT_EQ(ItemCount, 29);
  EXPECT_FALSE(Modified());
}
