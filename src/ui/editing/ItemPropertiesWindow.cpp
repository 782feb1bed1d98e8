#include "editing/ItemPropertiesWindow.h"

#include <algorithm>
#include <span>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/DialogFont.h"
#include "app/Messages.h"
#include "app/ModelText.h"
#include "bitmaps/BitmapPicker.h"
#include "editing/ItemEditing.h"
#include "model/LeadingNumber.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"

namespace {

// The check boxes and the flag each one shows.
struct FlagBox {
  int Id;
  int Flag;
  const char* Text;
  const char* Step; // as Undo names a click on the box
};
constexpr FlagBox ClickableBox{ids::PropertiesClickable, FlagClickable, "Clickable", "Clickable"};
constexpr FlagBox TextModeBoxes[] = {
    {ids::PropertiesFilled, FlagFilled, "Filled and Border", "Filled and Border"},
    {ids::PropertiesYellow, FlagYellow, "Yellow background", "Yellow background"},
    {ids::PropertiesLabel, FlagLabel, "Is a label (i.e. only show when labels are displayed)",
     "Is a label"},
};
constexpr FlagBox PictureModeBoxes[] = {
    {ids::PropertiesAutoOff, FlagAutoOff, "Automatically switches off after 0.5 seconds (INPUT)",
     "Switches off"},
    {ids::PropertiesFastRedraw, FlagFastRedraw, "Non-overlapped (use fast redraw)",
     "Non-overlapped"},
};

// The coordinate each field shows, in the order of their ids: Left, Right,
// Top, Bottom.
int TovelItem::*const CoordinateOfField[] = {&TovelItem::Left, &TovelItem::Right, &TovelItem::Top,
                                             &TovelItem::Bottom};
const char* const CoordinateStep[] = {"Left", "Right", "Top", "Bottom"};

// Sets a field's text without raising a change notification; a field that
// already shows it is left alone, so that its caret does not jump.
void ShowText(wxTextCtrl* field, const wxString& text)
{
  if (field->GetValue() != text) field->ChangeValue(text);
}

// Puts back the text that a refused edit replaced, keeping the caret where
// it was before the edit.
void PutBack(wxTextCtrl* field, const wxString& text)
{
  const long caret = field->GetInsertionPoint();
  const long added =
      static_cast<long>(field->GetValue().length()) - static_cast<long>(text.length());
  field->ChangeValue(text);
  field->SetInsertionPoint(std::clamp(caret - added, 0L, field->GetLastPosition()));
}

wxString Decimal(int value)
{
  return wxString::Format("%d", value);
}

// The slot a picture button starts the Choose Bitmap dialog at: the entry's
// leading number when it names one of the 20 slots, else -1 for none.
int InitialSlot(const std::string& entry)
{
  const int slot = LeadingNumber(entry);
  return slot >= 0 && slot < MaxBitmaps ? slot : -1;
}

} // namespace

CItemPropertiesWindow::CItemPropertiesWindow(wxWindow* parent)
    : wxDialog(parent, ids::ItemPropertiesDialog, "Item Properties")
{
  UseDialogFont(*this);
  CreateControls();
  CentreOnParent();

  Bind(wxEVT_TEXT, &CItemPropertiesWindow::OnCoordinateChanged, this, ids::PropertiesLeft,
       ids::PropertiesBottom);
  Bind(wxEVT_TEXT, &CItemPropertiesWindow::OnTextChanged, this, ids::PropertiesText);
  m_text->Bind(wxEVT_CHAR, &CItemPropertiesWindow::OnTextChar, this);
  m_text->Bind(wxEVT_KILL_FOCUS, &CItemPropertiesWindow::OnFieldLeft, this);
  for (wxTextCtrl* field : m_coordinates)
    field->Bind(wxEVT_KILL_FOCUS, &CItemPropertiesWindow::OnFieldLeft, this);
  Bind(wxEVT_RADIOBUTTON, &CItemPropertiesWindow::OnTextRadio, this, ids::PropertiesTextRadio);
  Bind(wxEVT_RADIOBUTTON, &CItemPropertiesWindow::OnPictureRadio, this,
       ids::PropertiesPictureRadio);
  Bind(wxEVT_CHECKBOX, &CItemPropertiesWindow::OnFlagBox, this);
  Bind(wxEVT_BUTTON, &CItemPropertiesWindow::OnPictureButton, this, ids::PropertiesPicture0,
       ids::PropertiesPicture0 + 3);
  Bind(wxEVT_CHAR_HOOK, &CItemPropertiesWindow::OnCharHook, this);
  Bind(wxEVT_CLOSE_WINDOW, &CItemPropertiesWindow::OnClose, this);
}

void CItemPropertiesWindow::CreateControls()
{
  const wxSizerFlags centred = wxSizerFlags().CentreVertical();
  const int fieldWidth = FromDIP(64);
  const int indent = FromDIP(24);

  // "Top Left" [Left] , [Top]  /  "Bottom Right" [Right] , [Bottom]
  auto* corners = new wxFlexGridSizer(4, wxSize(FromDIP(6), FromDIP(4)));
  auto addCorner = [&](const char* caption, int xId, int yId) {
    corners->Add(new wxStaticText(this, wxID_ANY, caption), centred);
    for (int id : {xId, yId}) {
      auto* field =
          new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, wxSize(fieldWidth, -1));
      m_coordinates[id - ids::PropertiesLeft] = field;
      corners->Add(field, centred);
      if (id == xId) corners->Add(new wxStaticText(this, wxID_ANY, ","), centred);
    }
  };
  addCorner("Top Left", ids::PropertiesLeft, ids::PropertiesTop);
  addCorner("Bottom Right", ids::PropertiesRight, ids::PropertiesBottom);

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(corners, wxSizerFlags().Border(wxALL));
  sizer->Add(new wxCheckBox(this, ClickableBox.Id, ClickableBox.Text),
             wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM));

  // Text mode: the radio button with the text beside it, then its boxes.
  auto* textRow = new wxBoxSizer(wxHORIZONTAL);
  m_textRadio = new wxRadioButton(this, ids::PropertiesTextRadio, "Contains Text",
                                  wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  textRow->Add(m_textRadio, wxSizerFlags().CentreVertical().Border(wxRIGHT));
  m_text = new wxTextCtrl(this, ids::PropertiesText);
  textRow->Add(m_text, wxSizerFlags(1).CentreVertical());
  sizer->Add(textRow, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP));
  for (const FlagBox& box : TextModeBoxes)
    sizer->Add(new wxCheckBox(this, box.Id, box.Text), wxSizerFlags().Border(wxLEFT, indent));

  // Picture mode: the radio button with the four picture buttons, then its
  // boxes.
  auto* pictureRow = new wxBoxSizer(wxHORIZONTAL);
  m_pictureRadio = new wxRadioButton(this, ids::PropertiesPictureRadio, "Is a bitmap");
  pictureRow->Add(m_pictureRadio, wxSizerFlags().CentreVertical().Border(wxRIGHT));
  for (int k = 0; k < 4; ++k) {
    m_pictureButtons[k] = new wxButton(this, ids::PropertiesPicture0 + k, "BMP...");
    pictureRow->Add(m_pictureButtons[k],
                    wxSizerFlags().CentreVertical().Border(wxRIGHT, FromDIP(2)));
  }
  sizer->Add(pictureRow, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP));
  for (const FlagBox& box : PictureModeBoxes)
    sizer->Add(new wxCheckBox(this, box.Id, box.Text), wxSizerFlags().Border(wxLEFT, indent));

  sizer->AddSpacer(FromDIP(8));
  SetSizerAndFit(sizer);
  ShowTextMode(true);
}

wxTextCtrl* CItemPropertiesWindow::GetEdit(int id) const
{
  return dynamic_cast<wxTextCtrl*>(FindWindow(id));
}

wxCheckBox* CItemPropertiesWindow::GetCheckBox(int id) const
{
  return dynamic_cast<wxCheckBox*>(FindWindow(id));
}

wxRadioButton* CItemPropertiesWindow::GetRadio(int id) const
{
  return dynamic_cast<wxRadioButton*>(FindWindow(id));
}

wxButton* CItemPropertiesWindow::GetPictureButton(int k) const
{
  return k >= 0 && k < 4 ? m_pictureButtons[k] : nullptr;
}

TovelItem* CItemPropertiesWindow::EditedItem()
{
  if (CurrentItem < 0 || CurrentItem >= MaxItems) return nullptr;
  return &ItemTable[CurrentItem];
}

void CItemPropertiesWindow::Refuse(const std::string& reason)
{
  messages::ShowRefusal(this, wxString::FromUTF8(reason));
}

void CItemPropertiesWindow::Apply(const TovelItem& changed, const std::string& step, int field)
{
  TovelItem* item = EditedItem();
  if (!item) return;
  const TovelItem before = *item;
  *item = changed;
  // What is typed into one field until it loses the focus is one step.
  std::string run;
  if (field >= 0)
    run = "properties field " + std::to_string(field) + " item " + std::to_string(CurrentItem) +
          " typing " + std::to_string(m_typingSerial);
  AnnounceTovelChange(
      TovelChange(TovelChange::ItemEdited, CurrentItem, -1, before).Named(step, run));
}

CItemPropertiesWindow::~CItemPropertiesWindow()
{
  // The fields lose the focus while the base window destroys them, after
  // this object is gone.
  m_text->Unbind(wxEVT_KILL_FOCUS, &CItemPropertiesWindow::OnFieldLeft, this);
  for (wxTextCtrl* field : m_coordinates)
    field->Unbind(wxEVT_KILL_FOCUS, &CItemPropertiesWindow::OnFieldLeft, this);
}

void CItemPropertiesWindow::OnFieldLeft(wxFocusEvent& event)
{
  ++m_typingSerial;
  event.Skip();
}

void CItemPropertiesWindow::TovelChanged(const TovelChange& change)
{
  switch (change.What) {
  case TovelChange::StateShown:
  case TovelChange::Links:
    // Nothing the window shows.
    return;
  case TovelChange::ItemEdited:
    if (m_typing) return;
    break;
  default:
    break;
  }
  Reload();
}

void CItemPropertiesWindow::ShowTextMode(bool textMode)
{
  m_text->Enable(textMode);
  for (const FlagBox& box : TextModeBoxes) FindWindow(box.Id)->Enable(textMode);
  for (wxButton* button : m_pictureButtons) button->Enable(!textMode);
  for (const FlagBox& box : PictureModeBoxes) FindWindow(box.Id)->Enable(!textMode);
}

void CItemPropertiesWindow::Reload()
{
  const TovelItem* item = EditedItem();
  if (!item) return;
  ReloadCoordinates();
  GetCheckBox(ClickableBox.Id)->SetValue((item->Flags & ClickableBox.Flag) != 0);
  const bool textMode = (item->Flags & FlagText) != 0;
  (textMode ? m_textRadio : m_pictureRadio)->SetValue(true);
  ShowTextMode(textMode);
  ShowText(m_text, ToWx(item->Contents[0]));
  ShowPictureCaptions(*item);
  for (const auto& boxes :
       {std::span<const FlagBox>(TextModeBoxes), std::span<const FlagBox>(PictureModeBoxes)}) {
    for (const FlagBox& box : boxes) GetCheckBox(box.Id)->SetValue((item->Flags & box.Flag) != 0);
  }
}

void CItemPropertiesWindow::ShowPictureCaptions(const TovelItem& item)
{
  bool changed = false;
  for (std::size_t k = 0; k < m_pictureButtons.size(); ++k) {
    const wxString caption = PictureButtonCaption(item.Contents[k]);
    if (m_pictureButtons[k]->GetLabel() == caption) continue;
    m_pictureButtons[k]->SetLabel(caption);
    changed = true;
  }
  // A longer bitmap name needs a wider button, a shorter one gives the room
  // back.
  if (changed) {
    Layout();
    Fit();
  }
}

void CItemPropertiesWindow::ReloadCoordinates()
{
  const TovelItem* item = EditedItem();
  if (!item) return;
  for (std::size_t field = 0; field < m_coordinates.size(); ++field)
    ShowText(m_coordinates[field], Decimal(item->*CoordinateOfField[field]));
}

void CItemPropertiesWindow::OnCoordinateChanged(wxCommandEvent& event)
{
  TovelItem* item = EditedItem();
  const int field = event.GetId() - ids::PropertiesLeft;
  if (!item || field < 0 || field >= 4) return;
  wxTextCtrl* edit = m_coordinates[field];
  const std::string typed = edit->GetValue().utf8_string();
  TovelItem changed = *item;
  changed.*CoordinateOfField[field] = CoordinateFieldValue(typed);
  if (auto problem = ItemChangeProblem(*item, changed)) {
    PutBack(edit, Decimal(item->*CoordinateOfField[field]));
    Refuse(*problem);
    return;
  }
  // A number beyond what a coordinate holds shows as the value stored.
  const std::string shown = CoordinateFieldText(typed);
  if (shown != typed) {
    edit->ChangeValue(wxString::FromUTF8(shown));
    edit->SetInsertionPointEnd();
  }
  if (changed == *item) return;
  m_typing = true;
  Apply(changed, CoordinateStep[field], event.GetId());
  m_typing = false;
}

void CItemPropertiesWindow::OnTextChanged(wxCommandEvent&)
{
  TovelItem* item = EditedItem();
  if (!item || !(item->Flags & FlagText)) return;
  const auto text = FromWx(m_text->GetValue());
  const auto problem =
      text ? ItemTextProblem(*item, *text)
           : std::optional<std::string>("The text holds a character that tovel files cannot "
                                        "store. Please use Western European letters only.");
  if (problem) {
    PutBack(m_text, ToWx(item->Contents[0]));
    Refuse(*problem);
    return;
  }
  if (*text == item->Contents[0]) return;
  TovelItem changed = *item;
  changed.Contents[0] = *text;
  m_typing = true;
  Apply(changed, "Text", ids::PropertiesText);
  m_typing = false;
}

void CItemPropertiesWindow::OnTextChar(wxKeyEvent& event)
{
  // Separators of the tovel file are refused as they are typed; pasted
  // ones are caught when the text changes.
  const wxChar typed = event.GetUnicodeKey();
  if (typed == ',' || typed == ';') {
    if (auto problem = ItemTextProblem(TovelItem{}, std::string(1, static_cast<char>(typed)))) {
      Refuse(*problem);
      return;
    }
  }
  event.Skip();
}

void CItemPropertiesWindow::OnTextRadio(wxCommandEvent&)
{
  TovelItem* item = EditedItem();
  if (!item) return;
  TovelItem changed = *item;
  changed.Flags |= FlagText;
  Apply(changed, "Text item");
}

void CItemPropertiesWindow::OnPictureRadio(wxCommandEvent&)
{
  TovelItem* item = EditedItem();
  if (!item) return;
  TovelItem changed = *item;
  changed.Flags &= ~FlagText;
  Apply(changed, "Picture item");
}

void CItemPropertiesWindow::OnFlagBox(wxCommandEvent& event)
{
  TovelItem* item = EditedItem();
  if (!item) return;
  const FlagBox* clicked = nullptr;
  for (const auto& boxes :
       {std::span<const FlagBox>(&ClickableBox, 1), std::span<const FlagBox>(TextModeBoxes),
        std::span<const FlagBox>(PictureModeBoxes)}) {
    for (const FlagBox& box : boxes)
      if (box.Id == event.GetId()) clicked = &box;
  }
  if (!clicked) return;
  TovelItem changed = *item;
  if (event.IsChecked())
    changed.Flags |= clicked->Flag;
  else
    changed.Flags &= ~clicked->Flag;
  Apply(changed, clicked->Step);
}

void CItemPropertiesWindow::OnPictureButton(wxCommandEvent& event)
{
  const int k = event.GetId() - ids::PropertiesPicture0;
  TovelItem* item = EditedItem();
  if (!item || k < 0 || k >= 4) return;
  // Adding or removing bitmaps in the dialog may renumber the item's other
  // pictures; the window follows that announcement, picked or not.
  const auto picture = PickPicture(this, InitialSlot(item->Contents[k]));
  if (!picture) return;

  // The item takes the size of its largest picture; its line must still
  // fit in the file then.
  TovelItem changed = *item;
  changed.Contents[k] = *picture;
  FitItemToPictures(changed, BitmapImages, BitmapCount);
  if (auto problem = ItemChangeProblem(*item, changed)) {
    Refuse(*problem);
    return;
  }
  Apply(changed, "Picture " + std::to_string(k));
}

void CItemPropertiesWindow::OnCharHook(wxKeyEvent& event)
{
  if (event.GetKeyCode() == WXK_ESCAPE) {
    Hide();
    return;
  }
  event.Skip();
}

void CItemPropertiesWindow::OnClose(wxCloseEvent&)
{
  // The window lives as long as the main window; closing only hides it.
  Hide();
}
