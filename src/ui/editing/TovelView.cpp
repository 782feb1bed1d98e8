#include "editing/TovelView.h"

#include <cstdint>

#include <wx/dcmemory.h>
#include <wx/settings.h>

#include "app/Messages.h"
#include "bitmaps/PictureLoading.h"
#include "editing/DirectPaint.h"
#include "editing/ItemKeys.h"
#include "editing/ItemPlacement.h"
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

// Lines a mouse wheel notch scrolls, as most desktops do.
constexpr int WheelLines = 3;

} // namespace

CTovelView::CTovelView(wxWindow* parent)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS)
{
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetBackgroundColour(WorkspaceColour());
  // Scrolling counts in single pixels, so that the scroll area ends
  // exactly at the page's edges; a line is made a hundredth of the page
  // below.
  SetScrollRate(1, 1);
  Bind(wxEVT_SIZE, &CTovelView::OnSize, this);
  Bind(wxEVT_DPI_CHANGED, [this](wxDPIChangedEvent& event) {
    m_painter.ForgetResolution();
    Refresh();
    event.Skip();
  });
  Bind(wxEVT_LEFT_DOWN, &CTovelView::OnLeftDown, this);
  // A double-click is a press like any other: the second press of a
  // double-click on an item starts a drag.
  Bind(wxEVT_LEFT_DCLICK, &CTovelView::OnLeftDown, this);
  Bind(wxEVT_MOTION, &CTovelView::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &CTovelView::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CTovelView::OnCaptureLost, this);
  Bind(wxEVT_KEY_DOWN, &CTovelView::OnKeyDown, this);
  Bind(wxEVT_SCROLLWIN_LINEUP, &CTovelView::OnScrollLine, this);
  Bind(wxEVT_SCROLLWIN_LINEDOWN, &CTovelView::OnScrollLine, this);
  Bind(wxEVT_MOUSEWHEEL, &CTovelView::OnMouseWheel, this);
  SetZoom(1);
}

void CTovelView::SetZoom(int z)
{
  m_zoom = std::clamp(z, MinZoom, MaxZoom);
  m_painter = TovelPainter(m_zoom, m_labelsShown);
  m_painter.ShowTexts(m_texts);
  // The pictures stretched for the old zoom are of no more use.
  ReleaseStretchedPictures();
  SetVirtualSize(PageWidth * m_zoom, PageHeight * m_zoom);
  UpdatePageOrigin();
  Refresh();
}

void CTovelView::SetLabelsShown(bool shown)
{
  m_labelsShown = shown;
  m_painter = TovelPainter(m_zoom, m_labelsShown);
  m_painter.ShowTexts(m_texts);
  Refresh();
}

void CTovelView::SetTrying(const ShownTexts* texts, std::function<void(Point)> onPress)
{
  if (m_dragging) StopDragging();
  m_texts = texts;
  m_onPress = std::move(onPress);
  m_painter.ShowTexts(m_texts);
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

void CTovelView::ScrollLines(int orientation, int lines)
{
  const bool across = orientation == wxHORIZONTAL;
  const int line = std::max(1, (across ? PageWidth : PageHeight) * m_zoom / 100);
  const wxPoint start = GetViewStart();
  if (across)
    Scroll(start.x + lines * line, -1);
  else
    Scroll(-1, start.y + lines * line);
}

void CTovelView::OnScrollLine(wxScrollWinEvent& event)
{
  ScrollLines(event.GetOrientation(), event.GetEventType() == wxEVT_SCROLLWIN_LINEUP ? -1 : 1);
}

void CTovelView::OnMouseWheel(wxMouseEvent& event)
{
  if (event.GetWheelDelta() <= 0) return;
  const int notches = event.GetWheelRotation() / event.GetWheelDelta();
  const int orientation =
      event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL ? wxHORIZONTAL : wxVERTICAL;
  // The wheel turns the page down when rolled towards the user; sideways,
  // a positive turn goes right.
  const int direction = orientation == wxHORIZONTAL ? 1 : -1;
  ScrollLines(orientation, direction * notches * WheelLines);
}

void CTovelView::OnDraw(wxDC& dc)
{
  // The area to repaint, in scroll-area pixels.
  const wxRect update = GetUpdateRegion().GetBox();
  const wxPoint topLeft = CalcUnscrolledPosition(update.GetTopLeft());
  PaintArea(dc, ToRect(wxRect(topLeft, update.GetSize())));
}

void CTovelView::PaintArea(wxDC& dc, const Rect& area)
{
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(GetBackgroundColour()));
  dc.DrawRectangle(ToWxRect(area));
  // Pictures are stretched for all that is on screen, so that the paints
  // after scrolling a little or redrawing one item reuse them.
  const Rect visible = ShownArea();
  m_painter.PaintPage(dc, m_pageOrigin, &area, &visible);
  if (m_dragging) DrawFeedback(dc);
}

void CTovelView::PaintPageInto(wxDC& dc)
{
  m_painter.PaintPage(dc, wxPoint(0, 0));
}

Rect CTovelView::ShownArea() const
{
  return ToRect(wxRect(CalcUnscrolledPosition(wxPoint(0, 0)), GetClientSize()));
}

void CTovelView::TovelChanged(const TovelChange& change)
{
  switch (change.What) {
  case TovelChange::ItemEdited:
  case TovelChange::StateShown:
    if (change.Before && change.Item >= 0 && change.Item < ItemCount)
      RedrawItem(change.Item, *change.Before);
    else
      Refresh();
    break;
  case TovelChange::ItemsSwapped:
    // The two items only changed places in the drawing order.
    for (int i : {change.Item, change.Other})
      if (i >= 0 && i < ItemCount) RefreshExtent(ItemTable[i]);
    break;
  case TovelChange::ItemErased:
    // The items that remain keep their order: only the erased one's place
    // changes.
    if (change.Before)
      RefreshExtent(*change.Before);
    else
      Refresh();
    break;
  case TovelChange::ItemsAdded:
  case TovelChange::Bitmaps:
  case TovelChange::Replaced:
    Refresh();
    break;
  case TovelChange::Selected:
  case TovelChange::Links:
    break;
  }
}

wxDC& CTovelView::MeasureDC()
{
  // Text is measured as the screen draws it: a memory DC of the same
  // resolution gives the same measure.
  if (!m_measure) {
    m_measure = std::make_unique<wxMemoryDC>();
    m_measure->SelectObject(m_measureBitmap);
  }
  return *m_measure;
}

Rect CTovelView::Extent(const TovelItem& item)
{
  return m_painter.Extent(MeasureDC(), item, m_pageOrigin);
}

Rect CTovelView::Extent(int i)
{
  return m_painter.Extent(MeasureDC(), i, m_pageOrigin);
}

void CTovelView::RefreshExtent(const TovelItem& item)
{
  RefreshArea(Extent(item));
}

void CTovelView::RefreshArea(const Rect& area)
{
  // Into window pixels and onto the window, without overflowing at the
  // ends of int.
  const wxPoint scroll = CalcUnscrolledPosition(wxPoint(0, 0));
  const wxSize client = GetClientSize();
  const Rect visible{
      ClampToInt(std::max<std::int64_t>(std::int64_t{area.Left} - scroll.x, 0)),
      ClampToInt(std::max<std::int64_t>(std::int64_t{area.Top} - scroll.y, 0)),
      ClampToInt(std::min<std::int64_t>(std::int64_t{area.Right} - scroll.x, client.x)),
      ClampToInt(std::min<std::int64_t>(std::int64_t{area.Bottom} - scroll.y, client.y))};
  if (!visible.IsEmpty()) RefreshRect(ToWxRect(visible), false);
}

void CTovelView::RedrawItem(int i, const TovelItem& before)
{
  const Rect was = Extent(before);
  const Rect now = Extent(i);
  // A fast-redraw item is on screen in its new look before the next
  // event is handled: drawn at once where the platform allows it, else
  // repainted at once.
  const bool atOnce = CanRedrawDirectly(ItemTable[i]);
  if (atOnce && PaintDirectly(*this, was.United(now),
                              [this](wxDC& dc, const Rect& shown) { PaintArea(dc, shown); }))
    return;
  RefreshArea(was);
  RefreshArea(now);
  if (atOnce) Update();
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
  if (m_onPress) {
    m_onPress(p);
    return;
  }
  const int hit = ::HitTest(p, m_zoom, origin);
  if (hit < 0) return;
  if (hit != CurrentItem) {
    // The press that selects never starts a drag.
    SelectItem(hit);
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
  const TovelItem before = ItemTable[CurrentItem];
  if (auto problem = PlaceItem(TheTovel, CurrentItem, dropped)) {
    messages::ShowRefusal(this, wxString::FromUTF8(*problem));
    return;
  }
  // Also when the item ends where it started: the tovel counts as edited.
  AnnounceTovelChange({TovelChange::ItemEdited, CurrentItem, -1, before});
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

Rect CTovelView::FeedbackRect() const
{
  return ItemScreenRect(
      {m_dragRect.Left, m_dragRect.Top, m_dragRect.Right, m_dragRect.Bottom, 0, 0, {}}, m_zoom,
      {m_pageOrigin.x, m_pageOrigin.y});
}

void CTovelView::RefreshFeedback()
{
  // The outline and a pixel around it.
  const Rect outline = FeedbackRect();
  RefreshArea(
      {ClampToInt(std::int64_t{outline.Left} - 1), ClampToInt(std::int64_t{outline.Top} - 1),
       ClampToInt(std::int64_t{outline.Right} + 1), ClampToInt(std::int64_t{outline.Bottom} + 1)});
}

void CTovelView::DrawFeedback(wxDC& dc)
{
  // A dotted black outline over a white one shows on any background.
  const wxRect outline = ToWxRect(FeedbackRect());
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.SetPen(*wxWHITE_PEN);
  dc.DrawRectangle(outline);
  dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
  dc.DrawRectangle(outline);
}

void CTovelView::OnKeyDown(wxKeyEvent& event)
{
  // An arrow key that moved an item does not also scroll the view.
  // While trying, nothing moves: the keys scroll.
  if (m_onPress || !ItemKeyDown(event.GetKeyCode(), event.ShiftDown())) event.Skip();
}
