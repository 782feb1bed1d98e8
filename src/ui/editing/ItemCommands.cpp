// The main window's item commands.
#include "app/MainFrame.h"

void CMainFrame::OnZoomIn(wxCommandEvent&) {}
void CMainFrame::OnZoomOut(wxCommandEvent&) {}
void CMainFrame::OnShowLabels(wxCommandEvent&) {}
void CMainFrame::OnProperties(wxCommandEvent&) {}
void CMainFrame::OnErase(wxCommandEvent&) {}
void CMainFrame::OnMoveUp(wxCommandEvent&) {}
void CMainFrame::OnMoveDown(wxCommandEvent&) {}
void CMainFrame::OnNewItem(wxCommandEvent&) {}
