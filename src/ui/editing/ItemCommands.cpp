// The main window's item commands: zoom, labels, Properties, Erase, the two
// moves and New item. The table changes themselves live in the core.
#include <wx/msgdlg.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "editing/ItemOperations.h"
#include "editing/NewItemDialog.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"

namespace {

// Exchanges the current item with its neighbour at `step` (-1 up, +1 down)
// and brings both rows and both items up to date.
void MoveCurrentItem(CMainFrame& frame, int step)
{
  const int t = CurrentItem;
  const int u = t + step;
  if (!ExchangeItems(t, u)) return;
  frame.InvalidateItemRow(t);
  frame.InvalidateItemRow(u);
  frame.GetTovelView()->RedrawItem(t, 0, 0, true);
  frame.GetTovelView()->RedrawItem(u, 0, 0, true);
  frame.RefreshPropertiesWindow();
  frame.MarkModified();
}

} // namespace

// The enabling rules keep the zoom within 1 to 4; the view clamps as well.
void CMainFrame::OnZoomIn(wxCommandEvent&)
{
  m_tovelView->SetZoom(m_tovelView->ZoomLevel() + 1);
}

void CMainFrame::OnZoomOut(wxCommandEvent&)
{
  m_tovelView->SetZoom(m_tovelView->ZoomLevel() - 1);
}

void CMainFrame::OnShowLabels(wxCommandEvent&)
{
  m_tovelView->SetLabelsShown(!m_tovelView->LabelsShown());
}

void CMainFrame::OnProperties(wxCommandEvent&)
{
  ShowPropertiesWindow();
}

void CMainFrame::OnErase(wxCommandEvent&)
{
  const int t = CurrentItem;
  if (t < 0 || t >= ItemCount) return;
  if (messages::Show(this, "Are you sure you want to delete this item?", messages::WarningCaption,
                     wxOK | wxCANCEL) != wxID_OK)
    return;
  // The place the item leaves is repainted before it goes.
  m_tovelView->RedrawItem(t, 0, 0, false);
  EraseItem(t);
  UpdateItemListExtent();
  m_objectsView->Refresh();
  MarkModified();
  RefreshPropertiesWindow();
}

void CMainFrame::OnMoveUp(wxCommandEvent&)
{
  MoveCurrentItem(*this, -1);
}

void CMainFrame::OnMoveDown(wxCommandEvent&)
{
  MoveCurrentItem(*this, +1);
}

void CMainFrame::OnNewItem(wxCommandEvent&)
{
  if (ItemCount >= MaxItems) return;
  CNewItemDialog dialog(this);
  if (dialog.ShowModal() != wxID_OK) return;
  const int n = AddNewItem(dialog.BackgroundChosen(), dialog.PictureReference());
  if (n < 0) return;
  SelectItem(n);
  UpdateItemListExtent();
  Refresh();
  MarkModified();
}
