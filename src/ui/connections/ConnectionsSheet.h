// "Set Connections": a property sheet with one page per connection table,
// every entry an edit box. The sheet only shows and collects texts; the
// command that runs it turns them into table entries.
#pragma once

#include <vector>

#include <wx/propdlg.h>

#include "connections/ConnectionTexts.h"
#include "connections/ConnectionsPage.h"

class wxTextCtrl;

class CConnectionsSheet : public wxPropertySheetDialog {
public:
  // The five pages in the order Inputs, Outputs, Values, Motors,
  // Variables, their edits filled from the texts; the first page active.
  CConnectionsSheet(wxWindow* parent, const ConnectionTexts& texts);

  CConnectionsPage* Page(ConnectionTable table) const;
  void SelectPage(ConnectionTable table);
  ConnectionTable SelectedPage() const;

  // The edit with a control id on a page (ids repeat from page to page).
  wxTextCtrl* FindEdit(ConnectionTable page, int id) const;
  // Types into, or reads, the edit with a control id on a page.
  void SetCellText(ConnectionTable page, int id, const wxString& text);
  wxString CellText(ConnectionTable page, int id) const;

  // The texts of every edit of every page, as they stand now: what OK
  // hands back.
  ConnectionTexts Texts() const;

private:
  std::vector<CConnectionsPage*> m_pages;
};
