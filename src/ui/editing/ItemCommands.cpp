// The main window's item commands: zoom, labels, Properties, Erase, the two
// moves and New item. The table changes themselves live in the core.
#include <wx/msgdlg.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "editing/ItemOperations.h"
#include "editing/NewItemDialog.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"

namespace {

// Exchanges the current item with its neighbour at `step` (-1 up, +1 down);
// the selection travels with it.
void MoveCurrentItem(int step)
{
  const int t = CurrentItem;
  const int u = t + step;
  if (ExchangeItems(t, u))
    AnnounceTovelChange(
        TovelChange(TovelChange::ItemsSwapped, t, u).Named(step < 0 ? "Move up" : "Move down"));
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
  const TovelItem erased = ItemTable[t];
  if (EraseItem(t)) AnnounceTovelChange({TovelChange::ItemErased, t, -1, erased});
}

void CMainFrame::OnMoveUp(wxCommandEvent&)
{
  MoveCurrentItem(-1);
}

void CMainFrame::OnMoveDown(wxCommandEvent&)
{
  MoveCurrentItem(+1);
}

void CMainFrame::OnNewItem(wxCommandEvent&)
{
  if (ItemCount >= MaxItems) return;
  CNewItemDialog dialog(this);
  if (dialog.ShowModal() != wxID_OK) return;
  const int n = AddNewItem(dialog.BackgroundChosen(), dialog.PictureReference());
  if (n < 0) return;
  AnnounceTovelChange({TovelChange::ItemsAdded, n});
  SelectItem(n);
}
