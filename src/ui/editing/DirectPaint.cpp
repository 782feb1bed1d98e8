#include "editing/DirectPaint.h"

#include <wx/dcclient.h>
#include <wx/utils.h>

wxDEFINE_EVENT(EVT_DIRECT_PAINT, DirectPaintEvent);

DirectPaintEvent::DirectPaintEvent(wxWindow* pane, const wxRect& area)
    : wxEvent(pane->GetId(), EVT_DIRECT_PAINT), m_area(area)
{
  SetEventObject(pane);
}

namespace {

// Newer wxWidgets answers whether a client DC can draw; 3.2 is told here.
template <typename DC = wxClientDC> bool DrawingOutsidePaintWorks(const wxWindow* window)
{
  if constexpr (requires { DC::CanBeUsedForDrawing(window); }) {
    return DC::CanBeUsedForDrawing(window);
  } else {
#if defined(__WXGTK__) && defined(__UNIX__)
    return wxGetDisplayInfo().type == wxDisplayX11;
#elif defined(__WXOSX__)
    return false;
#else
    return true;
#endif
  }
}

} // namespace

bool CanPaintDirectly(const wxWindow* window)
{
  return window->IsShownOnScreen() && !window->IsFrozen() && DrawingOutsidePaintWorks(window);
}

bool PaintDirectly(wxScrolledCanvas& pane, const Rect& area,
                   const std::function<void(wxDC&, const Rect&)>& paint)
{
  if (!CanPaintDirectly(&pane)) return false;
  const wxPoint scroll = pane.CalcUnscrolledPosition(wxPoint(0, 0));
  const wxSize client = pane.GetClientSize();
  const Rect shown =
      area.Intersection({scroll.x, scroll.y, scroll.x + client.x, scroll.y + client.y});
  if (shown.IsEmpty()) return true;
  const wxRect drawn(shown.Left, shown.Top, shown.Width(), shown.Height());
  {
    wxClientDC dc(&pane);
    pane.DoPrepareDC(dc);
    wxDCClipper clip(dc, drawn);
    paint(dc, shown);
  }
  DirectPaintEvent painted(&pane,
                           wxRect(pane.CalcScrolledPosition(drawn.GetTopLeft()), drawn.GetSize()));
  pane.ProcessWindowEvent(painted);
  return true;
}
