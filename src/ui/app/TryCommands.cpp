// The main window's Try mode: entering and leaving it.
#include "app/MainFrame.h"

// Not built yet: the mode is being written.
void CMainFrame::StartTrying() {}

void CMainFrame::StopTrying() {}

void CMainFrame::OnTryTovel(wxCommandEvent&)
{
  if (IsTrying())
    StopTrying();
  else
    StartTrying();
}
