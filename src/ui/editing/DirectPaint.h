// Drawing an area of a scrolled pane straight onto its window, outside a
// paint, so that it is on screen before the next event is handled without
// waiting for the toolkit's repaint of the whole main window.
#pragma once

#include <functional>

#include <wx/event.h>
#include <wx/gdicmn.h>
#include <wx/scrolwin.h>

#include "editing/Geometry.h"

class wxDC;

// What a pane sends itself after drawing an area straight onto its window:
// whoever watches its paints sees these too.
class DirectPaintEvent : public wxEvent {
public:
  DirectPaintEvent(wxWindow* pane, const wxRect& area);
  // The area drawn, in window pixels.
  wxRect Area() const { return m_area; }
  wxEvent* Clone() const override { return new DirectPaintEvent(*this); }

private:
  wxRect m_area;
};

wxDECLARE_EVENT(EVT_DIRECT_PAINT, DirectPaintEvent);

// Whether what a client DC draws on the window reaches the screen now: the
// window is shown on screen and not frozen, and the platform shows drawing
// outside paints (Wayland and macOS do not).
bool CanPaintDirectly(const wxWindow* window);

// Paints an area (scroll-area pixels) of a pane straight onto its window:
// `paint` gets a prepared DC clipped to the part of the area the window
// shows, and that part; EVT_DIRECT_PAINT follows. False, with nothing
// drawn, where CanPaintDirectly says no; true when nothing of the area is
// shown.
bool PaintDirectly(wxScrolledCanvas& pane, const Rect& area,
                   const std::function<void(wxDC&, const Rect&)>& paint);
