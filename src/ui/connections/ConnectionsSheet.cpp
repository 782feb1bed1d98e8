#include "connections/ConnectionsSheet.h"

#include <wx/bookctrl.h>
#include <wx/textctrl.h>

#include "connections/AdcPropertyPage.h"
#include "connections/InputsPropertyPage.h"
#include "connections/MotorsPropertyPage.h"
#include "connections/OutputsPropertyPage.h"
#include "connections/VariablesPropertyPage.h"

CConnectionsSheet::CConnectionsSheet(wxWindow* parent, const ConnectionTexts& texts)
    : wxPropertySheetDialog(parent, wxID_ANY, "Set Connections")
{
  wxBookCtrlBase* book = GetBookCtrl();
  m_pages = {new CInputsPropertyPage(book), new COutputsPropertyPage(book),
             new CAdcPropertyPage(book), new CMotorsPropertyPage(book),
             new CVariablesPropertyPage(book)};
  for (CConnectionsPage* page : m_pages) {
    page->ShowTexts(texts);
    book->AddPage(page, PageLayout(page->Table()).Caption, page == m_pages.front());
  }
  // Wide enough for every page's tab to show at once.
  int tabsWidth = 0;
  for (const CConnectionsPage* page : m_pages)
    tabsWidth += book->GetTextExtent(PageLayout(page->Table()).Caption).x + FromDIP(36);
  book->SetMinSize(wxSize(tabsWidth, -1));
  CreateButtons(wxOK | wxCANCEL);
  LayoutDialog();
}

CConnectionsPage* CConnectionsSheet::Page(ConnectionTable table) const
{
  return m_pages[static_cast<int>(table)];
}

void CConnectionsSheet::SelectPage(ConnectionTable table)
{
  GetBookCtrl()->SetSelection(static_cast<std::size_t>(table));
}

ConnectionTable CConnectionsSheet::SelectedPage() const
{
  return static_cast<ConnectionTable>(GetBookCtrl()->GetSelection());
}

wxTextCtrl* CConnectionsSheet::FindEdit(ConnectionTable page, int id) const
{
  return Page(page)->FindEdit(id);
}

void CConnectionsSheet::SetCellText(ConnectionTable page, int id, const wxString& text)
{
  wxTextCtrl* edit = FindEdit(page, id);
  wxCHECK_RET(edit, "no edit with this id on the page");
  edit->SetValue(text);
}

wxString CConnectionsSheet::CellText(ConnectionTable page, int id) const
{
  const wxTextCtrl* edit = FindEdit(page, id);
  wxCHECK_MSG(edit, wxString(), "no edit with this id on the page");
  return edit->GetValue();
}

ConnectionTexts CConnectionsSheet::Texts() const
{
  ConnectionTexts texts;
  for (const CConnectionsPage* page : m_pages) page->ReadTexts(texts);
  return texts;
}
