#include "document/OpenTovelDialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/Messages.h"
#include "platform/Windows1252.h"
#include "resources/ResourceIds.h"

COpenTovelDialog::COpenTovelDialog(wxWindow* parent, std::vector<std::string> names)
    : wxDialog(parent, ids::OpenTovelDialog, "Open Tovel"), m_names(std::move(names))
{
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, "Tovels in the current Tovels folder:"),
             wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP));
  m_list = new wxListBox(this, ids::OpenTovelList, wxDefaultPosition, wxSize(260, 220), 0, nullptr,
                         wxLB_SINGLE | wxLB_ALWAYS_SB);
  for (const auto& name : m_names)
    m_list->Append(wxString::FromUTF8(platform::NativeNameToUtf8(name)));
  sizer->Add(m_list, wxSizerFlags(1).Expand().Border());
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border());
  SetSizerAndFit(sizer);
  CentreOnParent();

  Bind(wxEVT_BUTTON, &COpenTovelDialog::OnOk, this, wxID_OK);
  m_list->Bind(wxEVT_LISTBOX_DCLICK, &COpenTovelDialog::OnOk, this);
}

bool COpenTovelDialog::AcceptSelection()
{
  const int selection = m_list->GetSelection();
  if (selection == wxNOT_FOUND) {
    messages::Show(this, "You must select a given tovel", messages::AppTitle(), wxOK);
    return false;
  }
  m_chosen = m_names[static_cast<std::size_t>(selection)];
  return true;
}

void COpenTovelDialog::OnOk(wxCommandEvent&)
{
  if (AcceptSelection()) EndModal(wxID_OK);
}
