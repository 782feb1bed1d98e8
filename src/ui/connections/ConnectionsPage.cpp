#include "connections/ConnectionsPage.h"

#include <wx/gbsizer.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "resources/ResourceIds.h"

namespace {

const ConnectionsPageLayout Layouts[ConnectionTableCount] = {
    {ConnectionTable::Inputs,
     ids::InputsPage,
     "Inputs",
     {"1", "2", "3", "4", "5", "6", "7", "8"},
     {{"Items to display", 2}, {"Input to switch off", 1}},
     {}},
    {ConnectionTable::Outputs,
     ids::OutputsPage,
     "Outputs",
     {"1", "2", "3", "4", "5", "6", "7", "8"},
     {{"Items to display", 3}},
     {}},
    {ConnectionTable::Values,
     ids::ValuesPage,
     "Values",
     {"1", "2", "3", "4"},
     {{"Items to display readings", 2}},
     {"full d.p.", "1 less d.p."}},
    {ConnectionTable::Motors,
     ids::MotorsPage,
     "Motors",
     {"A", "B", "C", "D"},
     {{"Items to display", 2}, {"Inputs to switch off", 2}},
     {}},
    {ConnectionTable::Variables,
     ids::VariablesPage,
     "Variables",
     {"a", "b", "c", "d", "n", "x", "y", "z"},
     {{"Items to display", 1}},
     {}},
};

// The texts hold only what was typed: any character may be typed, and only
// the number at the start of a text matters, so UTF-8 loses nothing.
std::string TextOf(const wxTextCtrl* edit)
{
  return std::string(edit->GetValue().utf8_str());
}

} // namespace

const ConnectionsPageLayout& PageLayout(ConnectionTable table)
{
  return Layouts[static_cast<int>(table)];
}

CConnectionsPage::CConnectionsPage(wxWindow* parent, const ConnectionsPageLayout& layout)
    : wxPanel(parent, layout.Id), m_table(layout.Table)
{
  const int rows = ConnectionRows(m_table);
  const int columns = ConnectionColumns(m_table);
  const int editWidth = FromDIP(56);
  const int groupGap = FromDIP(16);

  // Grid columns: the row labels, then each group's edits with a gap
  // column before every group but the first.
  std::vector<int> gridColumn(columns);
  auto* grid = new wxGridBagSizer(FromDIP(4), FromDIP(6));
  int column = 0;
  int at = 1;
  for (std::size_t g = 0; g < layout.Groups.size(); ++g) {
    if (g > 0) grid->Add(groupGap, 1, wxGBPosition(0, at++));
    const ConnectionHeading& group = layout.Groups[g];
    auto* heading = new wxBoxSizer(wxVERTICAL);
    heading->Add(new wxStaticText(this, wxID_ANY, group.Text), wxSizerFlags().Centre());
    heading->Add(new wxStaticLine(this), wxSizerFlags().Expand().Border(wxTOP, FromDIP(2)));
    grid->Add(heading, wxGBPosition(0, at), wxGBSpan(1, group.Columns), wxEXPAND);
    for (int k = 0; k < group.Columns && column < columns; ++k) gridColumn[column++] = at++;
  }
  const int firstRow = layout.ColumnHeadings.empty() ? 1 : 2;
  for (std::size_t k = 0; k < layout.ColumnHeadings.size(); ++k)
    grid->Add(new wxStaticText(this, wxID_ANY, layout.ColumnHeadings[k]),
              wxGBPosition(1, gridColumn[k]), wxDefaultSpan, wxALIGN_CENTRE_HORIZONTAL);

  for (int r = 0; r < rows; ++r)
    grid->Add(new wxStaticText(this, wxID_ANY, layout.RowLabels[r]), wxGBPosition(firstRow + r, 0),
              wxDefaultSpan, wxALIGN_RIGHT | wxALIGN_CENTRE_VERTICAL);

  // Created column by column, so that Tab follows the ids.
  m_edits.assign(rows, std::vector<wxTextCtrl*>(columns, nullptr));
  for (int k = 0; k < columns; ++k)
    for (int r = 0; r < rows; ++r) {
      auto* edit = new wxTextCtrl(this, ids::ConnectionEdit(r + 1, k + 1), wxEmptyString,
                                  wxDefaultPosition, wxSize(editWidth, -1));
      m_edits[r][k] = edit;
      grid->Add(edit, wxGBPosition(firstRow + r, gridColumn[k]), wxDefaultSpan,
                wxALIGN_CENTRE_HORIZONTAL);
    }

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid, wxSizerFlags().Border(wxALL, FromDIP(12)));
  SetSizerAndFit(sizer);
}

wxTextCtrl* CConnectionsPage::Edit(int row, int column) const
{
  if (row < 0 || row >= static_cast<int>(m_edits.size())) return nullptr;
  const auto& edits = m_edits[row];
  if (column < 0 || column >= static_cast<int>(edits.size())) return nullptr;
  return edits[column];
}

wxTextCtrl* CConnectionsPage::FindEdit(int id) const
{
  for (const auto& row : m_edits)
    for (wxTextCtrl* edit : row)
      if (edit->GetId() == id) return edit;
  return nullptr;
}

void CConnectionsPage::ShowTexts(const ConnectionTexts& texts)
{
  for (int r = 0; r < static_cast<int>(m_edits.size()); ++r)
    for (int k = 0; k < static_cast<int>(m_edits[r].size()); ++k)
      m_edits[r][k]->ChangeValue(wxString::FromUTF8(ConnectionText(texts, m_table, r, k)));
}

void CConnectionsPage::ReadTexts(ConnectionTexts& texts) const
{
  for (int r = 0; r < static_cast<int>(m_edits.size()); ++r)
    for (int k = 0; k < static_cast<int>(m_edits[r].size()); ++k)
      ConnectionText(texts, m_table, r, k) = TextOf(m_edits[r][k]);
}
