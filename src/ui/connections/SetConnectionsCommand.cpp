// The main window's Set Connections command.
#include "app/MainFrame.h"
#include "connections/ConnectionTexts.h"
#include "connections/ConnectionsSheet.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"

// Shows every link of the tovel in the sheet. Only OK changes anything: then
// all five tables are written from the sheet's texts, edited or not, and the
// tovel counts as edited.
void CMainFrame::OnSetConnections(wxCommandEvent&)
{
  CConnectionsSheet sheet(this, TextsFromTables(TheTovel));
  if (sheet.ShowModal() != wxID_OK) return;
  TablesFromTexts(sheet.Texts(), TheTovel);
  AnnounceTovelChange({TovelChange::Links});
}
