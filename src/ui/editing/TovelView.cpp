#include "editing/TovelView.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include "app/ModelText.h"
#include "bitmaps/PictureLoading.h"
#include "model/LeadingNumber.h"
#include "model/Tovel.h"

namespace {
constexpr int PageWidth = 400;
constexpr int PageHeight = 320;
} // namespace

CTovelView::CTovelView(wxWindow* parent) : wxScrolledCanvas(parent, wxID_ANY)
{
  // The page must stand out: some desktop themes give a white workspace.
  wxColour workspace = wxSystemSettings::GetColour(wxSYS_COLOUR_APPWORKSPACE);
  if (workspace == *wxWHITE) workspace = wxColour(171, 171, 171);
  SetBackgroundColour(workspace);
  SetScrollbars(1, 1, PageWidth, PageHeight);
}

wxPoint CTovelView::PageOrigin() const
{
  const wxSize client = GetClientSize();
  return {std::max(0, (client.x - PageWidth) / 2), std::max(0, (client.y - PageHeight) / 2)};
}

void CTovelView::OnDraw(wxDC& dc)
{
  const wxPoint origin = PageOrigin();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(origin.x, origin.y, PageWidth, PageHeight);
  for (int i = 0; i < ItemCount; ++i) DrawItem(dc, ItemTable[i], origin);
}

void CTovelView::DrawItem(wxDC& dc, const TovelItem& item, wxPoint origin)
{
  if (item.State < 0 || item.State > 3 || item.Right < item.Left || item.Bottom < item.Top) return;
  const wxRect rect(origin.x + item.Left, origin.y + item.Top, item.Right - item.Left,
                    item.Bottom - item.Top);
  if (item.Flags & FlagFilled) {
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush((item.Flags & FlagYellow) ? wxColour(255, 255, 160) : *wxWHITE));
    dc.DrawRectangle(rect);
  }
  const std::string& entry = item.Contents[item.State];
  if (item.Flags & FlagText) {
    dc.SetFont(wxFontInfo(wxSize(0, 14)).Family(wxFONTFAMILY_SWISS));
    dc.SetTextForeground(*wxBLACK);
    dc.DrawLabel(ToWx(entry), rect, wxALIGN_CENTRE);
    return;
  }
  const wxBitmap* bitmap = SlotBitmap(LeadingNumber(entry));
  if (bitmap && bitmap->IsOk())
    dc.DrawBitmap(*bitmap, rect.x, rect.GetBottom() + 1 - bitmap->GetHeight());
}
