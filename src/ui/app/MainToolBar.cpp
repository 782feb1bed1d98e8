// The main window's toolbar and its Large icons command.
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "app/MainFrame.h"
#include "resources/AppImages.h"
#include "resources/ResourceIds.h"
#include "resources/ToolbarLayout.h"

void CMainFrame::CreateMainToolBar()
{
  m_largeIcons = false;
  m_toolBitmapSize = SmallToolImageSize;
  m_toolButtonSize = StartToolButtonSize;
  m_toolBar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_NODIVIDER);
  FillToolBar();
}

void CMainFrame::FillToolBar()
{
  // The image size of a toolbar can only be set before its buttons are
  // added, so changing it means putting all buttons on again.
  m_toolBar->ClearTools();
  m_toolBar->SetToolBitmapSize(m_toolBitmapSize);
  const std::vector<wxBitmap> images = ToolbarImages(m_largeIcons);
  std::size_t image = 0;
  for (const ToolbarEntry& entry : ToolbarLayout()) {
    if (entry.Kind == wxITEM_SEPARATOR) {
      m_toolBar->AddSeparator();
      continue;
    }
    wxToolBarToolBase* tool =
        m_toolBar->AddTool(entry.Id, entry.Tip, images.at(image++), entry.Tip, entry.Kind);
    tool->SetLongHelp(entry.Prompt);
  }
  m_toolBar->Realize();
}

void CMainFrame::SetLargeIcons(bool large)
{
  m_largeIcons = large;
  m_toolBitmapSize = large ? LargeToolImageSize : SmallToolImageSize;
  m_toolButtonSize = large ? LargeToolButtonSize : SmallToolButtonSize;
  FillToolBar();
  if (wxMenuBar* bar = GetMenuBar()) bar->Check(ids::LargeIcons, large);
  // The toolbar's height changed: the panes move.
  Layout();
  SendSizeEvent();
}

void CMainFrame::OnLargeIcons(wxCommandEvent&)
{
  SetLargeIcons(!m_largeIcons);
}
