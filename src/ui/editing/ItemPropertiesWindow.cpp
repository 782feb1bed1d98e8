#include "editing/ItemPropertiesWindow.h"

#include "app/MainFrame.h"

CItemPropertiesWindow::CItemPropertiesWindow(CMainFrame* frame)
    : wxDialog(frame, wxID_ANY, "Item Properties")
{
}

void CItemPropertiesWindow::Reload() {}

void CItemPropertiesWindow::ReloadCoordinates() {}
