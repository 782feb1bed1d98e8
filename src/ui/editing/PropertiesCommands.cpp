// The main window's side of the Item Properties window.
#include "app/MainFrame.h"
#include "editing/ItemPropertiesWindow.h"
#include "model/Tovel.h"

void CMainFrame::ShowPropertiesWindow()
{
  if (!m_propertiesWindow) m_propertiesWindow = new CItemPropertiesWindow(this);
  m_propertiesWindow->Reload();
  m_propertiesWindow->Show();
}

void CMainFrame::HidePropertiesWindow()
{
  if (m_propertiesWindow) m_propertiesWindow->Hide();
}
