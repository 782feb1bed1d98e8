// "Set Connections": a property sheet with one page per connection table,
// every entry an edit box. The sheet only shows and collects texts; the
// command that runs it turns them into table entries.
#pragma once

#include <vector>

#include <wx/panel.h>
#include <wx/propdlg.h>

#include "connections/ConnectionTexts.h"

class wxTextCtrl;

// A heading over one or more neighbouring columns of a page.
struct ConnectionHeading {
  wxString Text;
  int Columns = 1;
};

// What one page shows: its table, caption, row labels and headings.
struct ConnectionsPageLayout {
  ConnectionTable Table;
  int Id;
  wxString Caption;
  std::vector<wxString> RowLabels;
  std::vector<ConnectionHeading> Groups; // left to right, covering every column
  std::vector<wxString> ColumnHeadings;  // one per column, or none
};

// The layout of the page that edits a table.
const ConnectionsPageLayout& PageLayout(ConnectionTable table);

// One page of the sheet: a grid of plain edit boxes, one per entry of its
// table, with row labels and column headings. The edit of row r and column
// k (counted from 1) has the id ids::ConnectionEdit(r, k).
class CConnectionsPage : public wxPanel {
public:
  CConnectionsPage(wxWindow* parent, const ConnectionsPageLayout& layout);

  ConnectionTable Table() const { return m_table; }

  // The edit of a row and column counted from 0, or of a control id;
  // nullptr when the page has no such edit.
  wxTextCtrl* Edit(int row, int column) const;
  wxTextCtrl* FindEdit(int id) const;

  // Puts this page's texts into its edits, and reads them back.
  void ShowTexts(const ConnectionTexts& texts);
  void ReadTexts(ConnectionTexts& texts) const;

private:
  ConnectionTable m_table;
  std::vector<std::vector<wxTextCtrl*>> m_edits; // [row][column]
};

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
