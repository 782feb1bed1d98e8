// "Set Tovels Directory": edits the tovels folder.
#pragma once

#include <string>

#include <wx/dialog.h>

class wxTextCtrl;

class CTovelsFolderDialog : public wxDialog {
public:
  CTovelsFolderDialog(wxWindow* parent, const std::string& folder);

  // The folder as typed, in the model's encoding; valid after OK.
  const std::string& Folder() const { return m_folder; }
  wxTextCtrl* GetEdit() const { return m_edit; }

  bool TransferDataFromWindow() override;

private:
  wxTextCtrl* m_edit;
  std::string m_folder;
};
