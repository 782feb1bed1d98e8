// "Open Tovel": lists the tovel files of the tovels folder.
#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

class wxListBox;

class COpenTovelDialog : public wxDialog {
public:
  // names: the native file names to list, already sorted. A name that is
  // not UTF-8 is shown as Windows-1252, as it was written on Windows.
  COpenTovelDialog(wxWindow* parent, std::vector<std::string> names);

  // The chosen file name (native, as listed), empty until OK.
  const std::string& ChosenName() const { return m_chosen; }

  wxListBox* GetList() const { return m_list; }

  // Takes the selected entry as the chosen name; without a selection tells
  // the user to pick one and returns false.
  bool AcceptSelection();

private:
  void OnOk(wxCommandEvent& event);

  wxListBox* m_list;
  std::vector<std::string> m_names; // the native name of each entry
  std::string m_chosen;
};
