// The main window's side of the Item Properties window.
#include "app/MainFrame.h"
#include "editing/ItemEditing.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/TovelView.h"
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

void CMainFrame::RefreshPropertiesWindow()
{
  if (m_propertiesWindow && CurrentItem >= 0) m_propertiesWindow->Reload();
}

void CMainFrame::ItemEdited(bool refreshRow, int dLeft, int dRight, int dTop, int dBottom)
{
  if (refreshRow) InvalidateItemRow(CurrentItem);
  const Point moved = EditedItemShift(dLeft, dRight, dTop, dBottom);
  const TovelItem* item =
      CurrentItem >= 0 && CurrentItem < MaxItems ? &ItemTable[CurrentItem] : nullptr;
  if (item && (item->Right < item->Left || item->Bottom < item->Top)) {
    // An item turned inside out is not drawn, and where it was drawn before
    // the edit cannot be told from its edges: repaint the whole page.
    m_tovelView->Refresh();
  } else {
    m_tovelView->RedrawItem(CurrentItem, moved.X, moved.Y, true);
  }
  MarkModified();
}

void CMainFrame::FitItemToPictures()
{
  if (CurrentItem < 0 || CurrentItem >= MaxItems) return;
  ::FitItemToPictures(ItemTable[CurrentItem], BitmapImages, BitmapCount);
  if (m_propertiesWindow) m_propertiesWindow->ReloadCoordinates();
  InvalidateItemRow(CurrentItem);
  m_tovelView->Refresh();
  MarkModified();
}
