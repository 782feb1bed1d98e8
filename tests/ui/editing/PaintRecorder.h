// Records where a window repaints, for tests of what an edit repaints: in
// paints, and where a pane draws straight onto its window.
#pragma once

#include <wx/app.h>
#include <wx/region.h>
#include <wx/window.h>

#include "editing/DirectPaint.h"
#include "editing/TovelView.h"
#include "editing/ViewGeometry.h"
#include "model/Tovel.h"

class PaintRecorder {
public:
  explicit PaintRecorder(wxWindow* window) : m_window(window)
  {
    m_window->Bind(wxEVT_PAINT, &PaintRecorder::OnPaint, this);
    m_window->Bind(EVT_DIRECT_PAINT, &PaintRecorder::OnDirectPaint, this);
  }
  ~PaintRecorder()
  {
    m_window->Unbind(wxEVT_PAINT, &PaintRecorder::OnPaint, this);
    m_window->Unbind(EVT_DIRECT_PAINT, &PaintRecorder::OnDirectPaint, this);
  }
  PaintRecorder(const PaintRecorder&) = delete;
  PaintRecorder& operator=(const PaintRecorder&) = delete;

  // Lets every pending repaint happen, then forgets what was painted.
  void Start()
  {
    Settle();
    m_painted.Clear();
  }

  // Lets every pending repaint happen.
  void Settle()
  {
    for (int round = 0; round < 5; ++round) {
      wxYield();
      m_window->Update();
      wxTheApp->ProcessPendingEvents();
      wxTheApp->ProcessIdle();
    }
  }

  bool PaintedNothing() const { return m_painted.IsEmpty(); }
  // Whether the whole of r (window pixels) was repainted.
  bool Covers(const wxRect& r) const { return m_painted.Contains(r) == wxInRegion; }

private:
  void OnPaint(wxPaintEvent& event)
  {
    m_painted.Union(m_window->GetUpdateRegion());
    event.Skip();
  }

  void OnDirectPaint(DirectPaintEvent& event)
  {
    m_painted.Union(event.Area());
    event.Skip();
  }

  wxWindow* m_window;
  wxRegion m_painted;
};

// Where an item lies in the tovel view now, in window pixels.
inline wxRect ItemOnScreen(const CTovelView* view, const TovelItem& item)
{
  const wxPoint origin = view->PageOrigin();
  const Rect screen = ItemScreenRect(item, view->ZoomLevel(), {origin.x, origin.y});
  return wxRect(view->CalcScrolledPosition(wxPoint(screen.Left, screen.Top)),
                wxSize(screen.Width(), screen.Height()));
}
