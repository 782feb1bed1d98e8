#include "editing/TovelView.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "editing/TovelPainter.h"
#include "editing/ViewGeometry.h"
#include "model/Tovel.h"

namespace {

// The workspace around the page. Some desktop themes make it white, which
// would hide the page's edges; grey is used then.
wxColour WorkspaceColour()
{
  wxColour workspace = wxSystemSettings::GetColour(wxSYS_COLOUR_APPWORKSPACE);
  return workspace == *wxWHITE ? wxColour(171, 171, 171) : workspace;
}

Rect ToRect(const wxRect& r)
{
  return {r.x, r.y, r.x + r.width, r.y + r.height};
}

wxRect ToWxRect(const Rect& r)
{
  return {r.Left, r.Top, r.Width(), r.Height()};
}

} // namespace

CTovelView::CTovelView(wxWindow* parent)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS)
{
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(WorkspaceColour());
  Bind(wxEVT_SIZE, &CTovelView::OnSize, this);
  SetZoom(1);
}

void CTovelView::SetZoom(int z)
{
  m_zoom = std::clamp(z, MinZoom, MaxZoom);
  // Line steps of a hundredth of the page, as the scroll bars move.
  SetScrollRate(std::max(1, PageWidth * m_zoom / 100), std::max(1, PageHeight * m_zoom / 100));
  SetVirtualSize(PageWidth * m_zoom, PageHeight * m_zoom);
  UpdatePageOrigin();
  Refresh();
}

void CTovelView::SetLabelsShown(bool shown)
{
  m_labelsShown = shown;
  Refresh();
}

void CTovelView::UpdatePageOrigin()
{
  const wxSize client = GetClientSize();
  const Point origin = PageOriginFor(client.x, client.y, m_zoom);
  m_pageOrigin = {origin.X, origin.Y};
}

void CTovelView::OnSize(wxSizeEvent& event)
{
  UpdatePageOrigin();
  event.Skip();
}

void CTovelView::OnDraw(wxDC& dc)
{
  // The area to repaint, in scroll-area pixels.
  const wxRect update = GetUpdateRegion().GetBox();
  const wxPoint topLeft = CalcUnscrolledPosition(update.GetTopLeft());
  const Rect area = ToRect(wxRect(topLeft, update.GetSize()));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(GetBackgroundColour()));
  dc.DrawRectangle(ToWxRect(area));
  TovelPainter(m_zoom, m_labelsShown).PaintPage(dc, m_pageOrigin, &area);
}

void CTovelView::RedrawItem(int i, int dx, int dy, bool allowDirect)
{
  if (i < 0 || i >= MaxItems) return;
  const TovelItem& item = ItemTable[i];
  const Point scroll{CalcUnscrolledPosition(wxPoint(0, 0)).x,
                     CalcUnscrolledPosition(wxPoint(0, 0)).y};
  const Point origin{m_pageOrigin.x, m_pageOrigin.y};
  if (CanRedrawDirectly(item, dx, dy, allowDirect)) {
    // Repaint just what the item covers, at once, erasing nothing else.
    Rect painted = ItemPaintedRect(item, BitmapCount, m_zoom, origin);
    painted = {painted.Left - scroll.X, painted.Top - scroll.Y, painted.Right - scroll.X,
               painted.Bottom - scroll.Y};
    RefreshRect(ToWxRect(painted), false);
    Update();
    return;
  }
  RefreshRect(ToWxRect(RedrawArea(item, dx, dy, m_zoom, origin, scroll)));
}
