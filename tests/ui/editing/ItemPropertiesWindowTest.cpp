#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "bitmaps/BitmapPicker.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/PaintRecorder.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"
#include "model/TovelFile.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

namespace {

const TovelItem TextItem = {
    100, 20, 180, 50, FlagText | FlagFilled | FlagClickable, 0, {"Pump", "-1", "-1", "-1"}};
const TovelItem PictureItem = {10, 68, 42, 100, FlagAutoOff, 0, {"0", "-1", "-1", "-1"}};

const int TextModeControls[] = {ids::PropertiesText, ids::PropertiesFilled, ids::PropertiesYellow,
                                ids::PropertiesLabel};
const int PictureModeControls[] = {ids::PropertiesPicture0,     ids::PropertiesPicture0 + 1,
                                   ids::PropertiesPicture0 + 2, ids::PropertiesPicture0 + 3,
                                   ids::PropertiesAutoOff,      ids::PropertiesFastRedraw};

class ItemPropertiesWindow : public FrameFixture {
protected:
  void SetUp() override
  {
    FrameFixture::SetUp();
    ItemCount = 2;
    ItemTable[0] = TextItem;
    ItemTable[1] = PictureItem;
    BitmapCount = 2;
    BitmapNames[0] = "pumps\\small.bmp";
    BitmapNames[1] = "pumps\\large.bmp";
    SetPictureSize(0, 32, 32);
    SetPictureSize(1, 64, 48);
    AnnounceTovelChange({TovelChange::Replaced});
    m_frame->SelectItem(0);
    m_frame->ShowPropertiesWindow();
    m_window = m_frame->GetPropertiesWindow();
    ASSERT_NE(m_window, nullptr);
  }

  void TearDown() override
  {
    for (int slot = 0; slot < 2; ++slot) SetPictureSize(slot, 0, 0);
    FrameFixture::TearDown();
  }

  static void SetPictureSize(int slot, int width, int height)
  {
    BitmapImages[slot].Width = width;
    BitmapImages[slot].Height = height;
  }

  // Replaces a field's text as typing or pasting would.
  void Type(int id, const wxString& text) { m_window->GetEdit(id)->SetValue(text); }
  wxString Field(int id) const { return m_window->GetEdit(id)->GetValue(); }

  // Clicks a check box, radio button or push button as the user would.
  void Click(int id)
  {
    wxWindow* control = m_window->FindWindow(id);
    ASSERT_NE(control, nullptr) << id;
    wxCommandEvent event;
    if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
      box->SetValue(!box->GetValue());
      event.SetEventType(wxEVT_CHECKBOX);
      event.SetInt(box->GetValue() ? 1 : 0);
    } else if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
      radio->SetValue(true);
      event.SetEventType(wxEVT_RADIOBUTTON);
      event.SetInt(1);
    } else {
      event.SetEventType(wxEVT_BUTTON);
    }
    event.SetId(id);
    event.SetEventObject(control);
    control->ProcessWindowEvent(event);
  }

  // Sends a key to the window, as pressing it with the focus inside does.
  void PressKey(int key)
  {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    event.SetEventObject(m_window);
    m_window->ProcessWindowEvent(event);
  }

  bool Modified() const { return m_frame->GetDocument()->IsModified(); }
  void ClearModified() { m_frame->GetDocument()->Modify(false); }

  bool Enabled(int id) const { return m_window->FindWindow(id)->IsEnabled(); }

  // Answers the Choose Bitmap dialog with what ShowModal returns.
  static ExpectDialog<CChooseBitmapDialog> ChooseBitmap(int result)
  {
    return ExpectDialog<CChooseBitmapDialog>([result](CChooseBitmapDialog*) { return result; });
  }

  CItemPropertiesWindow* m_window = nullptr;
};

} // namespace

TEST_F(ItemPropertiesWindow, ShowsTheCurrentItemWithoutChangingIt)
{
  EXPECT_EQ(m_window->GetTitle(), "Item Properties");
  EXPECT_TRUE(m_window->IsShown());
  EXPECT_EQ(Field(ids::PropertiesLeft), "100");
  EXPECT_EQ(Field(ids::PropertiesTop), "20");
  EXPECT_EQ(Field(ids::PropertiesRight), "180");
  EXPECT_EQ(Field(ids::PropertiesBottom), "50");
  EXPECT_EQ(Field(ids::PropertiesText), "Pump");
  EXPECT_TRUE(m_window->GetRadio(ids::PropertiesTextRadio)->GetValue());
  EXPECT_TRUE(m_window->GetCheckBox(ids::PropertiesClickable)->GetValue());
  EXPECT_TRUE(m_window->GetCheckBox(ids::PropertiesFilled)->GetValue());
  EXPECT_FALSE(m_window->GetCheckBox(ids::PropertiesYellow)->GetValue());
  for (int id : TextModeControls) EXPECT_TRUE(Enabled(id)) << id;
  for (int id : PictureModeControls) EXPECT_FALSE(Enabled(id)) << id;

  // Reloading, however often, leaves the item and the document alone.
  m_window->Reload();
  AnnounceTovelChange({TovelChange::Replaced});
  Flush();
  EXPECT_EQ(ItemTable[0], TextItem);
  EXPECT_FALSE(Modified());

  // Selecting another item reloads the window, in picture mode.
  m_frame->SelectItem(1);
  EXPECT_EQ(Field(ids::PropertiesLeft), "10");
  EXPECT_EQ(Field(ids::PropertiesTop), "68");
  EXPECT_TRUE(m_window->GetRadio(ids::PropertiesPictureRadio)->GetValue());
  EXPECT_FALSE(m_window->GetCheckBox(ids::PropertiesClickable)->GetValue());
  EXPECT_TRUE(m_window->GetCheckBox(ids::PropertiesAutoOff)->GetValue());
  EXPECT_EQ(m_window->GetPictureButton(0)->GetLabel(), PictureButtonCaption("0"));
  EXPECT_EQ(m_window->GetPictureButton(1)->GetLabel(), "BMP...");
  for (int id : TextModeControls) EXPECT_FALSE(Enabled(id)) << id;
  for (int id : PictureModeControls) EXPECT_TRUE(Enabled(id)) << id;
  EXPECT_EQ(ItemTable[1], PictureItem);
  EXPECT_FALSE(Modified());
}

TEST_F(ItemPropertiesWindow, CoordinatesChangeAsTheyAreTyped)
{
  Type(ids::PropertiesLeft, "120");
  EXPECT_EQ(ItemTable[0].Left, 120);
  EXPECT_EQ(ItemTable[0].Right, 180);
  EXPECT_TRUE(Modified());

  // A minus sign alone reads as 0 until a digit follows; so do an empty
  // field and text that is not a whole number, which stays as typed.
  Type(ids::PropertiesLeft, "-");
  EXPECT_EQ(ItemTable[0].Left, 0);
  Type(ids::PropertiesLeft, "-7");
  EXPECT_EQ(ItemTable[0].Left, -7);
  Type(ids::PropertiesLeft, "");
  EXPECT_EQ(ItemTable[0].Left, 0);
  Type(ids::PropertiesLeft, "12");
  EXPECT_EQ(ItemTable[0].Left, 12);
  Type(ids::PropertiesLeft, "12ab");
  EXPECT_EQ(ItemTable[0].Left, 0);
  EXPECT_EQ(Field(ids::PropertiesLeft), "12ab");
  // A number beyond what a coordinate holds shows as the value stored.
  Type(ids::PropertiesLeft, "99999999999");
  EXPECT_EQ(ItemTable[0].Left, INT_MAX);
  EXPECT_EQ(Field(ids::PropertiesLeft), "2147483647");
  Type(ids::PropertiesLeft, "12");

  // Each field sets its own coordinate only; any integer is taken.
  Type(ids::PropertiesRight, "5");
  Type(ids::PropertiesTop, "300");
  Type(ids::PropertiesBottom, "-40");
  EXPECT_EQ(ItemTable[0].Left, 12);
  EXPECT_EQ(ItemTable[0].Right, 5);
  EXPECT_EQ(ItemTable[0].Top, 300);
  EXPECT_EQ(ItemTable[0].Bottom, -40);

  // Text that gives the same number changes nothing.
  ClearModified();
  Type(ids::PropertiesRight, " 5");
  EXPECT_EQ(ItemTable[0].Right, 5);
  EXPECT_FALSE(Modified());
}

TEST_F(ItemPropertiesWindow, TheTextFieldEditsTheText)
{
  Type(ids::PropertiesText, "Valve 2");
  EXPECT_EQ(ItemTable[0].Contents[0], "Valve 2");
  EXPECT_TRUE(Modified());
  Type(ids::PropertiesText, wxString::FromUTF8("Caf\xc3\xa9"));
  EXPECT_EQ(ItemTable[0].Contents[0], "Caf\xe9");
  Type(ids::PropertiesText, "");
  EXPECT_EQ(ItemTable[0].Contents[0], "");

  // Setting the text the item already has marks nothing.
  Type(ids::PropertiesText, "Pump");
  ClearModified();
  m_window->GetEdit(ids::PropertiesText)->SetValue("Pump");
  EXPECT_FALSE(Modified());
}

TEST_F(ItemPropertiesWindow, TextsTheFileCannotHoldAreRefused)
{
  wxTEST_DIALOG(Type(ids::PropertiesText, "a,b"), ExpectMessageContaining("comma", wxID_OK));
  wxTEST_DIALOG(Type(ids::PropertiesText, "a;b"), ExpectMessageContaining("semicolon", wxID_OK));
  wxTEST_DIALOG(Type(ids::PropertiesText, "two\nlines"),
                ExpectMessageContaining("one line", wxID_OK));
  wxTEST_DIALOG(Type(ids::PropertiesText, wxString::FromUTF8("\xe4\xb8\xad")),
                ExpectMessage("The text holds a character that tovel files cannot store. Please "
                              "use Western European letters only.",
                              "Warning from Tovel Creator", wxID_OK));
  // A text that would make the item's line longer than the file allows.
  const std::size_t room = MaxTovelLineChars - ItemLineLength(ItemTable[0]) + 4;
  wxTEST_DIALOG(Type(ids::PropertiesText, wxString(room + 1, 'x')),
                ExpectMessageContaining("too long", wxID_OK));

  // A comma typed on the keyboard is refused before it reaches the field.
  wxKeyEvent comma(wxEVT_CHAR);
  comma.m_keyCode = ',';
  comma.m_uniChar = ',';
  wxTEST_DIALOG(m_window->GetEdit(ids::PropertiesText)->ProcessWindowEvent(comma),
                ExpectMessageContaining("comma", wxID_OK));

  EXPECT_EQ(ItemTable[0], TextItem);
  EXPECT_EQ(Field(ids::PropertiesText), "Pump");
  EXPECT_FALSE(Modified());

  // The longest text that fits is taken; a coordinate that then needs one
  // more digit is refused and its field shows the old value again.
  const wxString longest(room, 'x');
  Type(ids::PropertiesText, longest);
  EXPECT_EQ(ItemLineLength(ItemTable[0]), MaxTovelLineChars);
  wxTEST_DIALOG(Type(ids::PropertiesRight, "1000"), ExpectMessageContaining("too long", wxID_OK));
  EXPECT_EQ(ItemTable[0].Right, 180);
  EXPECT_EQ(Field(ids::PropertiesRight), "180");
}

TEST_F(ItemPropertiesWindow, RadioButtonsSwitchBetweenTextAndPictures)
{
  ItemTable[0] = {10, 10, 60, 31, FlagText | FlagFilled, 0, {"New", "-1", "-1", "-1"}};
  AnnounceTovelChange({TovelChange::Replaced});
  Click(ids::PropertiesPictureRadio);
  EXPECT_EQ(ItemTable[0].Flags, FlagFilled);
  EXPECT_EQ(ItemTable[0].Contents[0], "New");
  EXPECT_TRUE(Modified());
  EXPECT_EQ(m_window->GetPictureButton(0)->GetLabel(), PictureButtonCaption("New"));
  for (int id : TextModeControls) EXPECT_FALSE(Enabled(id)) << id;
  for (int id : PictureModeControls) EXPECT_TRUE(Enabled(id)) << id;

  // While the item shows pictures its text cannot be typed over.
  m_window->GetEdit(ids::PropertiesText)->SetValue("ignored");
  EXPECT_EQ(ItemTable[0].Contents[0], "New");

  Click(ids::PropertiesTextRadio);
  EXPECT_EQ(ItemTable[0].Flags, FlagText | FlagFilled);
  EXPECT_EQ(Field(ids::PropertiesText), "New");
  for (int id : TextModeControls) EXPECT_TRUE(Enabled(id)) << id;
  for (int id : PictureModeControls) EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(ItemPropertiesWindow, EachBoxSetsItsOwnFlag)
{
  const std::pair<int, int> boxes[] = {
      {ids::PropertiesClickable, FlagClickable}, {ids::PropertiesFilled, FlagFilled},
      {ids::PropertiesYellow, FlagYellow},       {ids::PropertiesLabel, FlagLabel},
      {ids::PropertiesAutoOff, FlagAutoOff},     {ids::PropertiesFastRedraw, FlagFastRedraw}};
  for (const auto& [id, flag] : boxes) {
    const int before = ItemTable[0].Flags;
    ClearModified();
    Click(id);
    EXPECT_EQ(ItemTable[0].Flags, before ^ flag) << id;
    EXPECT_TRUE(Modified()) << id;
    Click(id);
    EXPECT_EQ(ItemTable[0].Flags, before) << id;
  }
}

TEST_F(ItemPropertiesWindow, ChosenPicturesSizeTheItem)
{
  m_frame->SelectItem(1);
  // Picture 1 := the 64 x 48 bitmap: the item grows to it, bottom-left kept.
  wxTEST_DIALOG(Click(ids::PropertiesPicture0 + 1), ChooseBitmap(ChooseBitmapFirstSlot + 1));
  EXPECT_EQ(ItemTable[1].Contents[1], "1");
  EXPECT_EQ(ItemTable[1].Left, 10);
  EXPECT_EQ(ItemTable[1].Bottom, 100);
  EXPECT_EQ(ItemTable[1].Right, 74);
  EXPECT_EQ(ItemTable[1].Top, 52);
  EXPECT_EQ(Field(ids::PropertiesRight), "74");
  EXPECT_EQ(Field(ids::PropertiesTop), "52");
  EXPECT_EQ(m_window->GetPictureButton(1)->GetLabel(), PictureButtonCaption("1"));
  EXPECT_TRUE(Modified());

  // Cancel changes nothing.
  ClearModified();
  const TovelItem before = ItemTable[1];
  wxTEST_DIALOG(Click(ids::PropertiesPicture0), ChooseBitmap(ChooseBitmapCancelled));
  EXPECT_EQ(ItemTable[1], before);
  EXPECT_FALSE(Modified());

  // No picture: back to the 32 x 32 picture 0, then to nothing at all.
  wxTEST_DIALOG(Click(ids::PropertiesPicture0 + 1), ChooseBitmap(ChooseBitmapNone));
  EXPECT_EQ(ItemTable[1].Contents[1], "-1");
  EXPECT_EQ(m_window->GetPictureButton(1)->GetLabel(), "BMP...");
  EXPECT_EQ(ItemTable[1].Right - ItemTable[1].Left, 32);
  EXPECT_EQ(ItemTable[1].Bottom - ItemTable[1].Top, 32);
  wxTEST_DIALOG(Click(ids::PropertiesPicture0), ChooseBitmap(ChooseBitmapNone));
  EXPECT_EQ(ItemTable[1].Contents[0], "-1");
  EXPECT_EQ(ItemTable[1].Left, 10);
  EXPECT_EQ(ItemTable[1].Right, 10);
  EXPECT_EQ(ItemTable[1].Top, 100);
  EXPECT_EQ(ItemTable[1].Bottom, 100);
  EXPECT_TRUE(Modified());
}

TEST_F(ItemPropertiesWindow, EscapeAndCloseOnlyHide)
{
  PressKey(WXK_RETURN);
  EXPECT_TRUE(m_window->IsShown());
  PressKey(WXK_ESCAPE);
  EXPECT_FALSE(m_window->IsShown());

  m_frame->ShowPropertiesWindow();
  EXPECT_EQ(m_frame->GetPropertiesWindow(), m_window);
  EXPECT_TRUE(m_window->IsShown());
  m_window->Close();
  Flush();
  EXPECT_FALSE(m_window->IsShown());
  EXPECT_EQ(m_frame->GetPropertiesWindow(), m_window);

  EXPECT_EQ(ItemTable[0], TextItem);
  EXPECT_FALSE(Modified());
}

TEST_F(ItemPropertiesWindow, NothingChangesWithoutACurrentItem)
{
  m_frame->SelectItem(-1);
  Type(ids::PropertiesLeft, "5");
  Type(ids::PropertiesText, "other");
  Click(ids::PropertiesPictureRadio);
  Click(ids::PropertiesClickable);
  Click(ids::PropertiesAutoOff);
  EXPECT_EQ(ItemTable[0], TextItem);
  EXPECT_EQ(ItemTable[1], PictureItem);
  EXPECT_FALSE(Modified());
}

TEST_F(ItemPropertiesWindow, OpeningATovelHidesTheWindowWhichStillFollows)
{
  const auto path = m_tovels.Write("Alpha", SmallTovel("alpha"));
  ASSERT_TRUE(m_frame->ReadTovel(path));
  EXPECT_FALSE(m_window->IsShown());

  // While hidden the window is kept up to date with the current item.
  m_frame->SelectItem(0);
  EXPECT_EQ(Field(ids::PropertiesText), "alpha");
  EXPECT_EQ(Field(ids::PropertiesRight), "100");
  EXPECT_FALSE(Modified());
}

TEST_F(ItemPropertiesWindow, LiveEditsRepaintTheItemAndMarkTheDocument)
{
  CTovelView* view = m_frame->GetTovelView();
  PaintRecorder paints(view);

  // Moving the left edge right repaints from where the edge was.
  paints.Start();
  const wxRect before = ItemOnScreen(view, ItemTable[0]);
  Type(ids::PropertiesLeft, "120");
  paints.Settle();
  EXPECT_TRUE(Modified());
  EXPECT_TRUE(paints.Covers(before)) << "the area from the old left edge on";

  // Moving the right edge left repaints up to where the edge was.
  paints.Start();
  const wxRect wide = ItemOnScreen(view, ItemTable[0]);
  Type(ids::PropertiesRight, "150");
  paints.Settle();
  EXPECT_TRUE(paints.Covers(wide));

  // A new text and every box repaint the item, whether its look changed
  // or not, and mark the tovel changed.
  const auto repaints = [&](const std::function<void()>& edit) {
    paints.Start();
    ClearModified();
    edit();
    paints.Settle();
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(paints.Covers(ItemOnScreen(view, ItemTable[CurrentItem])));
  };
  repaints([this] { Type(ids::PropertiesText, "Tap"); });
  for (int id : {ids::PropertiesFilled, ids::PropertiesYellow, ids::PropertiesLabel,
                 ids::PropertiesClickable})
    repaints([this, id] { Click(id); });
  m_frame->SelectItem(1);
  for (int id : {ids::PropertiesAutoOff, ids::PropertiesFastRedraw})
    repaints([this, id] { Click(id); });
}

TEST_F(ItemPropertiesWindow, PictureCaptionsFollowTheBitmapSet)
{
  // A long bitmap name widens its button and the window with it.
  BitmapNames[1] = "pumps\\centrifugal-pump-with-motor.bmp";
  ItemTable[1].Contents[2] = "1";
  m_frame->SelectItem(1);
  wxButton* third = m_window->GetPictureButton(2);
  EXPECT_EQ(third->GetLabel(), "centrifugal-pump-with-motor");
  EXPECT_GE(third->GetSize().GetWidth(), third->GetBestSize().GetWidth());
  EXPECT_LE(third->GetRect().GetRight(), m_window->GetClientSize().GetWidth());

  // Removing bitmap 0 in the dialog renumbers the item's pictures: every
  // caption shows the new numbers, even though the pick was cancelled.
  wxTEST_DIALOG(Click(ids::PropertiesPicture0 + 3),
                ExpectDialog<CChooseBitmapDialog>([](CChooseBitmapDialog* dialog) {
                  dialog->ClickSlot(0);
                  dialog->RemoveChecked();
                  return ChooseBitmapCancelled;
                }));
  ASSERT_EQ(BitmapCount, 1);
  EXPECT_EQ(ItemTable[1].Contents[0], "-1");
  EXPECT_EQ(ItemTable[1].Contents[2], "0");
  EXPECT_EQ(m_window->GetPictureButton(0)->GetLabel(), "BMP...");
  EXPECT_EQ(third->GetLabel(), "centrifugal-pump-with-motor");
}
