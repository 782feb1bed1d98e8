#include "document/TovelsFolderDialog.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/Messages.h"
#include "app/ModelText.h"
#include "resources/ResourceIds.h"

CTovelsFolderDialog::CTovelsFolderDialog(wxWindow* parent, const std::string& folder)
    : wxDialog(parent, ids::TovelsFolderDialog, "Set Tovels Directory"), m_folder(folder)
{
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, "Tovels folder :"),
           wxSizerFlags().CentreVertical().Border(wxRIGHT));
  m_edit =
      new wxTextCtrl(this, ids::TovelsFolderEdit, ToWx(folder), wxDefaultPosition, wxSize(320, -1));
  row->Add(m_edit, wxSizerFlags(1).CentreVertical());
  sizer->Add(row, wxSizerFlags().Expand().Border());
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border());
  SetSizerAndFit(sizer);
  CentreOnParent();
}

bool CTovelsFolderDialog::TransferDataFromWindow()
{
  auto folder = FromWx(m_edit->GetValue());
  if (!folder) {
    messages::Show(this,
                   "The folder name holds a character that tovel files cannot store. "
                   "Please choose a folder whose name uses Western European letters only.",
                   messages::ErrorCaption, wxOK | wxICON_EXCLAMATION);
    m_edit->SetFocus();
    return false;
  }
  m_folder = *folder;
  return true;
}
