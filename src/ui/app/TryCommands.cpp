// The main window's Try mode: entering and leaving it.
#include <algorithm>

#include <wx/settings.h>
#include <wx/splitter.h>

#include "app/MainFrame.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "trying/TryPanel.h"

void CMainFrame::StartTrying()
{
  if (IsTrying()) return;
  // Nothing may be edited while trying: the Item Properties window goes.
  HidePropertiesWindow();
  // The panel takes the item list's place, as wide as it needs to be.
  m_tryPanel = new CTryPanel(m_splitter, m_tovelView);
  m_tryPanel->SetSashBefore(m_splitter->GetSashPosition());
  m_splitter->ReplaceWindow(m_objectsView, m_tryPanel);
  m_objectsView->Hide();
  m_tryPanel->Show();
  const int wanted =
      m_tryPanel->GetBestVirtualSize().x + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_tryPanel);
  m_splitter->SetSashPosition(std::max(m_tryPanel->SashBefore(), wanted));
  m_tryPanel->Start();
  m_tovelView->SetFocus();
}

void CMainFrame::StopTrying()
{
  if (!IsTrying()) return;
  CTryPanel* panel = m_tryPanel;
  // Not trying any more from here on, also for the windows that hear of
  // the states given back.
  m_tryPanel = nullptr;
  panel->Stop();
  m_splitter->ReplaceWindow(panel, m_objectsView);
  m_objectsView->Show();
  m_splitter->SetSashPosition(panel->SashBefore());
  panel->Destroy();
  m_tovelView->SetFocus();
}

void CMainFrame::OnTryTovel(wxCommandEvent&)
{
  if (IsTrying())
    StopTrying();
  else
    StartTrying();
}
