// "Open Tovel": lists the tovel files of the tovels folder.
#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

class wxListBox;

class COpenTovelDialog : public wxDialog {
public:
  // names: the file names to list, already sorted.
  COpenTovelDialog(wxWindow* parent, const std::vector<std::string>& names);

  // The chosen file name (native), empty until OK.
  const std::string& ChosenName() const { return m_chosen; }

  wxListBox* GetList() const { return m_list; }

  // Takes the selected entry as the chosen name; without a selection tells
  // the user to pick one and returns false.
  bool AcceptSelection();

private:
  void OnOk(wxCommandEvent& event);

  wxListBox* m_list;
  std::string m_chosen;
};
