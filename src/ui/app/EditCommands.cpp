// The main window's Edit commands: undo and redo from the document's edit
// history, and cut, copy, paste and duplicate of the current item.
#include "app/ItemClipboardData.h"
#include "app/MainFrame.h"
#include "app/Messages.h"
#include "bitmaps/BitmapLoading.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ItemOperations.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"

void CMainFrame::PutInPlace(const TovelTables& tables)
{
  const auto oldNames = BitmapNames;
  TheTovel = tables;
  std::vector<std::string> problems;
  if (BitmapNames != oldNames) problems = FollowBitmapNames(oldNames);
  m_doc->Modify(m_doc->History().IsModified(TheTovel));
  AnnounceTovelChange({TovelChange::Replaced});
  ReportBitmapProblems(problems);
}

void CMainFrame::OnUndo(wxCommandEvent&)
{
  if (m_doc->History().CanUndo()) PutInPlace(m_doc->History().Undo());
}

void CMainFrame::OnRedo(wxCommandEvent&)
{
  if (m_doc->History().CanRedo()) PutInPlace(m_doc->History().Redo());
}

void CMainFrame::OnCopy(wxCommandEvent&)
{
  if (CurrentItem < 0 || CurrentItem >= ItemCount) return;
  if (!PutItemOnClipboard(CopyItem(TheTovel, CurrentItem)))
    messages::ShowRefusal(this, "The clipboard could not be opened.");
}

void CMainFrame::OnCut(wxCommandEvent&)
{
  const int t = CurrentItem;
  if (t < 0 || t >= ItemCount) return;
  if (!PutItemOnClipboard(CopyItem(TheTovel, t))) {
    messages::ShowRefusal(this, "The clipboard could not be opened.");
    return;
  }
  const TovelItem erased = ItemTable[t];
  if (EraseItem(t))
    AnnounceTovelChange(TovelChange(TovelChange::ItemErased, t, -1, erased).Named("Cut"));
}

void CMainFrame::OnPaste(wxCommandEvent&)
{
  if (const auto copied = ItemOnClipboard()) Paste(*copied, "Paste");
}

void CMainFrame::OnDuplicate(wxCommandEvent&)
{
  if (CurrentItem < 0 || CurrentItem >= ItemCount) return;
  Paste(CopyItem(TheTovel, CurrentItem), "Duplicate");
}

void CMainFrame::Paste(const CopiedItem& copied, const char* step)
{
  const int previous = CurrentItem;
  const PasteResult result = PasteItem(copied);
  switch (result.Outcome) {
  case PasteOutcome::ItemsFull:
    return;
  case PasteOutcome::SetFull:
    messages::ShowBitmapSetFull(this);
    return;
  case PasteOutcome::Pasted:
    break;
  }
  AnnounceTovelChange(TovelChange(TovelChange::ItemsAdded, result.Item).Named(step));
  // The pasted item is current: the panes show the selection move.
  AnnounceTovelChange({TovelChange::Selected, result.Item, previous});
  ReportBitmapProblems(result.LoadProblems);
}
