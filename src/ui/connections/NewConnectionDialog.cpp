#include "connections/NewConnectionDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/Messages.h"
#include "app/ModelText.h"
#include "bitmaps/BitmapPicker.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"

namespace {

bool HasNumber(ConnectionKind kind)
{
  return kind == ConnectionKind::Input || kind == ConnectionKind::Output ||
         kind == ConnectionKind::Value;
}

int HighestNumber(ConnectionKind kind)
{
  switch (kind) {
  case ConnectionKind::Input:
    return InputCount;
  case ConnectionKind::Output:
    return OutputCount;
  case ConnectionKind::Value:
    return ValueCount;
  case ConnectionKind::Motor:
  case ConnectionKind::Variable:
    break;
  }
  return 0;
}

} // namespace

CNewConnectionDialog::CNewConnectionDialog(wxWindow* parent, int id, const wxString& title,
                                           ConnectionKind kind, const wxString& prompt,
                                           const std::vector<wxString>& pictureCaptions)
    : wxDialog(parent, id, title)
{
  m_request.Kind = kind;
  const bool number = HasNumber(kind);
  m_edit =
      new wxTextCtrl(this, number ? ids::NewConnectionNumberEdit : ids::NewConnectionLetterEdit,
                     wxEmptyString, wxDefaultPosition, wxSize(FromDIP(number ? 48 : 32), -1));
  // A letter is one character: the edit takes no second one.
  if (!number) m_edit->SetMaxLength(1);

  auto* promptRow = new wxBoxSizer(wxHORIZONTAL);
  promptRow->Add(new wxStaticText(this, wxID_ANY, prompt), wxSizerFlags().CentreVertical());
  promptRow->AddSpacer(FromDIP(8));
  promptRow->Add(m_edit, wxSizerFlags().CentreVertical());

  m_body = new wxBoxSizer(wxVERTICAL);
  m_body->Add(promptRow);
  AddPictureButtons(pictureCaptions);
}

void CNewConnectionDialog::AddPictureButtons(const std::vector<wxString>& captions)
{
  if (captions.empty()) return;
  auto* grid =
      new wxFlexGridSizer(2, static_cast<int>(captions.size()), wxSize(FromDIP(8), FromDIP(4)));
  for (const wxString& caption : captions)
    grid->Add(new wxStaticText(this, wxID_ANY, caption), wxSizerFlags().Centre());
  for (std::size_t i = 0; i < captions.size(); ++i) {
    auto* button = new wxButton(this, ids::NewConnectionPicture0 + static_cast<int>(i),
                                PictureButtonCaption(m_request.Pictures[i]));
    const int index = static_cast<int>(i);
    button->Bind(wxEVT_BUTTON, [this, index](wxCommandEvent&) { PressPictureButton(index); });
    m_pictureButtons.push_back(button);
    grid->Add(button, wxSizerFlags().Expand());
  }
  m_body->AddSpacer(FromDIP(12));
  m_body->Add(new wxStaticText(this, wxID_ANY, "Select bitmaps:"));
  m_body->AddSpacer(FromDIP(6));
  m_body->Add(grid, wxSizerFlags().Border(wxLEFT, FromDIP(12)));
}

void CNewConnectionDialog::FinishLayout()
{
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_body, wxSizerFlags().Expand().Border(wxALL, FromDIP(12)));
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border());
  SetSizerAndFit(sizer);
  CentreOnParent();
  m_edit->SetFocus();
}

void CNewConnectionDialog::SetNumber(int number)
{
  m_request.Number = number;
  m_edit->ChangeValue(wxString::Format("%d", number));
}

void CNewConnectionDialog::SetLetter(const std::string& letter)
{
  m_request.Letter = letter;
  m_edit->ChangeValue(ToWx(letter));
}

wxButton* CNewConnectionDialog::GetPictureButton(int i) const
{
  if (i < 0 || i >= PictureButtonCount()) return nullptr;
  return m_pictureButtons[static_cast<std::size_t>(i)];
}

const std::string& CNewConnectionDialog::PictureReference(int i) const
{
  static const std::string none = "-1";
  if (i < 0 || i >= PictureButtonCount()) return none;
  return m_request.Pictures[static_cast<std::size_t>(i)];
}

void CNewConnectionDialog::PressPictureButton(int i)
{
  wxButton* button = GetPictureButton(i);
  if (!button) return;
  // Every button keeps showing the bitmap it showed, even when the set is
  // renumbered and the pick cancelled.
  PickHeldPicture(this, m_request.Pictures, static_cast<std::size_t>(i));
  ShowPictureCaptions();
}

void CNewConnectionDialog::ShowPictureCaptions()
{
  for (std::size_t k = 0; k < m_pictureButtons.size(); ++k)
    m_pictureButtons[k]->SetLabel(PictureButtonCaption(m_request.Pictures[k]));
  // A longer caption may need a wider button.
  Layout();
  Fit();
}

bool CNewConnectionDialog::TransferDataFromWindow()
{
  const bool accepted = HasNumber(Kind()) ? AcceptNumber() : AcceptLetter();
  return accepted && wxDialog::TransferDataFromWindow();
}

bool CNewConnectionDialog::AcceptNumber()
{
  int number = 0;
  if (const auto problem = ConnectionNumberProblem(m_edit->GetValue().utf8_string(), 1,
                                                   HighestNumber(Kind()), &number)) {
    Refuse(wxString::FromUTF8(*problem));
    return false;
  }
  m_request.Number = number;
  return true;
}

bool CNewConnectionDialog::AcceptLetter()
{
  // A character that a tovel file cannot hold names no motor or variable
  // either: it gets the message that lists the letters.
  const std::string letter = FromWx(m_edit->GetValue()).value_or("?");
  if (const auto problem = ConnectionLetterProblem(Kind(), letter)) {
    Refuse(ToWx(*problem));
    return false;
  }
  m_request.Letter = letter;
  return true;
}

void CNewConnectionDialog::Refuse(const wxString& message)
{
  messages::Show(this, message, messages::AppTitle(), wxOK | wxICON_WARNING);
  m_edit->SetFocus();
  m_edit->SelectAll();
}
