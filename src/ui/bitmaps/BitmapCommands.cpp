// The main window's bitmap commands.
#include "app/MainFrame.h"
#include "app/Messages.h"
#include "bitmaps/BitmapLoading.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "model/TovelChange.h"

void CMainFrame::RefreshBitmaps()
{
  const auto problems = LoadAllBitmapSlots();
  Refresh();
  ReportBitmapProblems(problems);
}

void CMainFrame::OnRefreshBitmaps(wxCommandEvent&)
{
  RefreshBitmaps();
}

void CMainFrame::ReportBitmapProblems(const std::vector<std::string>& problems)
{
  if (problems.empty()) return;
  wxString text = "These bitmaps are shown empty:\n";
  for (const auto& problem : problems) text += "\n" + wxString::FromUTF8(problem);
  messages::Show(this, text, messages::WarningCaption, wxOK | wxICON_WARNING);
}

void CMainFrame::OnChooseBitmaps(wxCommandEvent&)
{
  CChooseBitmapDialog dialog(this, true, -1);
  dialog.ShowModal();
  // Add and Remove act at once, however the dialog ends.
  if (dialog.BitmapsChanged()) AnnounceTovelChange({TovelChange::Bitmaps});
}
