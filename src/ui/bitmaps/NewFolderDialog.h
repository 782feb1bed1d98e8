// "New folder": asks for the name of a new bitmap folder and makes it in
// the tovels folder.
#pragma once

#include <filesystem>
#include <string>

#include <wx/dialog.h>

class wxTextCtrl;

class CNewFolderDialog : public wxDialog {
public:
  // tovelsFolder: the native folder in which the new folder is made.
  CNewFolderDialog(wxWindow* parent, std::filesystem::path tovelsFolder);

  wxTextCtrl* GetEdit() const { return m_edit; }

  // The name of the folder made (Windows-1252), empty until OK succeeded.
  const std::string& FolderName() const { return m_folderName; }

  // Makes the folder named in the edit. A name that cannot be used or a
  // folder that cannot be made is explained to the user, and false is
  // returned with nothing made.
  bool AcceptName();

private:
  void OnOk(wxCommandEvent& event);

  std::filesystem::path m_tovelsFolder;
  wxTextCtrl* m_edit;
  std::string m_folderName;
};
