#include "bitmaps/NewFolderDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/Messages.h"
#include "app/ModelText.h"
#include "bitmaps/BitmapSet.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int MaxFolderNameLength = 8;

} // namespace

CNewFolderDialog::CNewFolderDialog(wxWindow* parent, std::filesystem::path tovelsFolder)
    : wxDialog(parent, ids::NewFolderDialog, "New folder"), m_tovelsFolder(std::move(tovelsFolder))
{
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, "Name of new folder"),
           wxSizerFlags().CentreVertical().Border(wxRIGHT));
  m_edit = new wxTextCtrl(this, ids::NewFolderEdit, wxString(), wxDefaultPosition,
                          wxSize(ConvertDialogToPixels(wxSize(60, 0)).x, -1));
  m_edit->SetMaxLength(MaxFolderNameLength);
  row->Add(m_edit, wxSizerFlags(1).CentreVertical());
  sizer->Add(row, wxSizerFlags().Expand().Border());
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border());
  SetSizerAndFit(sizer);
  CentreOnParent();
  m_edit->SetFocus();

  Bind(wxEVT_BUTTON, &CNewFolderDialog::OnOk, this, wxID_OK);
}

bool CNewFolderDialog::AcceptName()
{
  const wxString typed = m_edit->GetValue();
  if (auto problem = MakeBitmapFolder(m_tovelsFolder, typed.utf8_string())) {
    messages::Show(this, wxString::FromUTF8(*problem), messages::WarningCaption,
                   wxOK | wxICON_WARNING);
    m_edit->SetFocus();
    return false;
  }
  // MakeBitmapFolder accepts only names that Windows-1252 can hold.
  m_folderName = FromWx(typed).value_or(std::string());
  return true;
}

void CNewFolderDialog::OnOk(wxCommandEvent&)
{
  if (AcceptName()) EndModal(wxID_OK);
}
