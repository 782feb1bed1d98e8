#include "editing/TovelView.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "app/MainFrame.h"
#include "editing/ItemPlacement.h"
#include "editing/ItemPropertiesWindow.h"
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
  Bind(wxEVT_LEFT_DOWN, &CTovelView::OnLeftDown, this);
  // A double-click is a press like any other: the second press of a
  // double-click on an item starts a drag.
  Bind(wxEVT_LEFT_DCLICK, &CTovelView::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CTovelView::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CTovelView::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CTovelView::OnCaptureLost, this);
  Bind(wxEVT_KEY_DOWN, &CTovelView::OnKeyDown, this);
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
  if (m_dragging) DrawFeedback(dc);
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

CMainFrame* CTovelView::Frame() const
{
  return dynamic_cast<CMainFrame*>(wxGetTopLevelParent(const_cast<CTovelView*>(this)));
}

Point CTovelView::Unscrolled(wxPoint position) const
{
  const wxPoint p = CalcUnscrolledPosition(position);
  return {p.x, p.y};
}

void CTovelView::OnLeftDown(wxMouseEvent& event)
{
  SetFocus();
  event.Skip();
  if (m_dragging) return;
  const Point origin{m_pageOrigin.x, m_pageOrigin.y};
  const Point p = Unscrolled(event.GetPosition());
  const int hit = ::HitTest(p, m_zoom, origin);
  if (hit < 0) return;
  if (hit != CurrentItem) {
    // The press that selects never starts a drag.
    if (CMainFrame* frame = Frame()) frame->SelectItem(hit);
    return;
  }
  const TovelItem& item = ItemTable[hit];
  m_dragging = true;
  m_dragRect = {item.Left, item.Top, item.Right, item.Bottom};
  m_grab = GrabOffset(item, p, m_zoom, origin);
  // Hold the pointer, so that a release outside the view ends the drag.
  // (A window that is not on screen yet cannot hold it.)
  if (IsShownOnScreen()) {
    CaptureMouse();
    m_holdingPointer = true;
  }
  RefreshFeedback();
}

void CTovelView::OnMotion(wxMouseEvent& event)
{
  event.Skip();
  if (!m_dragging) return;
  RefreshFeedback();
  m_dragRect = DropPosition(m_dragRect, Unscrolled(event.GetPosition()), m_grab, m_zoom,
                            {m_pageOrigin.x, m_pageOrigin.y});
  RefreshFeedback();
}

void CTovelView::OnLeftUp(wxMouseEvent& event)
{
  event.Skip();
  if (!m_dragging) return;
  StopDragging();
  if (CurrentItem < 0 || CurrentItem >= ItemCount) return;
  const Rect dropped = DropPosition(m_dragRect, Unscrolled(event.GetPosition()), m_grab, m_zoom,
                                    {m_pageOrigin.x, m_pageOrigin.y});
  RedrawItem(CurrentItem, 0, 0, false);
  TovelItem& item = ItemTable[CurrentItem];
  item.Left = dropped.Left;
  item.Top = dropped.Top;
  item.Right = dropped.Right;
  item.Bottom = dropped.Bottom;
  RedrawItem(CurrentItem, 0, 0, true);
  if (CMainFrame* frame = Frame()) {
    if (CItemPropertiesWindow* properties = frame->GetPropertiesWindow())
      properties->ReloadCoordinates();
    // Also when the item ends where it started.
    frame->MarkModified();
  }
}

void CTovelView::OnCaptureLost(wxMouseCaptureLostEvent&)
{
  // Another window took the pointer (and it is no longer ours to let go):
  // the drag ends where it began.
  m_holdingPointer = false;
  if (m_dragging) StopDragging();
}

void CTovelView::StopDragging()
{
  m_dragging = false;
  if (m_holdingPointer) {
    m_holdingPointer = false;
    ReleaseMouse();
  }
  RefreshFeedback();
}

void CTovelView::RefreshFeedback()
{
  const Rect screen = ItemScreenRect(
      {m_dragRect.Left, m_dragRect.Top, m_dragRect.Right, m_dragRect.Bottom, 0, 0, {}}, m_zoom,
      {m_pageOrigin.x, m_pageOrigin.y});
  const wxPoint topLeft = CalcScrolledPosition(wxPoint(screen.Left, screen.Top));
  // The outline and a pixel around it.
  RefreshRect(wxRect(ClampToInt(std::int64_t{topLeft.x} - 1),
                     ClampToInt(std::int64_t{topLeft.y} - 1),
                     ClampToInt(std::int64_t{screen.Width()} + 2),
                     ClampToInt(std::int64_t{screen.Height()} + 2)),
              false);
}

void CTovelView::DrawFeedback(wxDC& dc)
{
  const Rect screen = ItemScreenRect(
      {m_dragRect.Left, m_dragRect.Top, m_dragRect.Right, m_dragRect.Bottom, 0, 0, {}}, m_zoom,
      {m_pageOrigin.x, m_pageOrigin.y});
  // A dotted black outline over a white one shows on any background.
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.SetPen(*wxWHITE_PEN);
  dc.DrawRectangle(ToWxRect(screen));
  dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
  dc.DrawRectangle(ToWxRect(screen));
}

bool CTovelView::ItemKeyDown(int keyCode, bool shift)
{
  ArrowKey key;
  switch (keyCode) {
  case WXK_LEFT:
  case WXK_NUMPAD_LEFT:
    key = ArrowKey::Left;
    break;
  case WXK_RIGHT:
  case WXK_NUMPAD_RIGHT:
    key = ArrowKey::Right;
    break;
  case WXK_UP:
  case WXK_NUMPAD_UP:
    key = ArrowKey::Up;
    break;
  case WXK_DOWN:
  case WXK_NUMPAD_DOWN:
    key = ArrowKey::Down;
    break;
  default:
    return false;
  }
  if (CurrentItem < 0 || CurrentItem >= ItemCount) return false;
  const ArrowEdit edit = ApplyArrowKey(ItemTable[CurrentItem], key, shift);
  RedrawItem(CurrentItem, edit.Dx, edit.Dy, true);
  if (CMainFrame* frame = Frame()) {
    if (CItemPropertiesWindow* properties = frame->GetPropertiesWindow())
      properties->ReloadCoordinates();
    frame->MarkModified();
  }
  return true;
}

void CTovelView::OnKeyDown(wxKeyEvent& event)
{
  // An arrow key that moved an item does not also scroll the view.
  if (!ItemKeyDown(event.GetKeyCode(), event.ShiftDown())) event.Skip();
}
