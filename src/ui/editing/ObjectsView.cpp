#include "editing/ObjectsView.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include "app/ModelText.h"
#include "model/Tovel.h"

namespace {
constexpr int RowHeight = 20;
}

CObjectsView::CObjectsView(wxWindow* parent) : wxScrolledCanvas(parent, wxID_ANY)
{
  SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
  UpdateItemListExtent();
}

void CObjectsView::UpdateItemListExtent()
{
  SetScrollbars(0, RowHeight, 0, ItemCount + 1);
}

void CObjectsView::OnDraw(wxDC& dc)
{
  dc.SetFont(GetFont());
  dc.DrawText("No.", 4, 2);
  dc.DrawText("Contents", 40, 2);
  for (int i = 0; i < ItemCount; ++i) {
    const int y = (i + 1) * RowHeight + 2;
    const TovelItem& item = ItemTable[i];
    dc.SetTextForeground(i == CurrentItem ? *wxBLUE : *wxBLACK);
    dc.DrawText(wxString::Format("%02d", i), 4, y);
    wxString contents;
    if (item.Flags & FlagText)
      contents = ToWx(item.Contents[0]);
    else
      for (const auto& entry : item.Contents) contents += ToWx(entry) + " ";
    dc.DrawText(contents, 40, y);
  }
}
