// One page of the Set Connections sheet: a grid of plain edit boxes, one
// per entry of a connection table, under the table's headings.
#pragma once

#include <vector>

#include <wx/panel.h>

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
