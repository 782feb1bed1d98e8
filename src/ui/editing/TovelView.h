// The tovel view: the white page with its items, at zoom 1 to 4.
#pragma once

#include <wx/scrolwin.h>

#include "editing/Geometry.h"

class CMainFrame;

class CTovelView : public wxScrolledCanvas {
public:
  explicit CTovelView(wxWindow* parent);

  int ZoomLevel() const { return m_zoom; }
  bool LabelsShown() const { return m_labelsShown; }

  // Makes z (1 to 4) the zoom factor: page, font and scroll area follow
  // and the whole view repaints.
  void SetZoom(int z);
  // Shows or hides the label items; the whole view repaints.
  void SetLabelsShown(bool shown);

  // The page's top-left corner in the scroll area.
  wxPoint PageOrigin() const { return m_pageOrigin; }

  // Brings item i up to date on screen after a change. (dx, dy) is how it
  // just moved, so that the place it left is repainted too; allowDirect
  // lets a fast-redraw item whose State changed repaint at once, alone.
  void RedrawItem(int i, int dx, int dy, bool allowDirect);

  // An arrow key moves the current item one tovel pixel; with Shift it
  // moves only the right or bottom edge. Returns whether the key acted
  // (other keys, or no current item, do nothing). The item list pane sends
  // its keys here too.
  bool ItemKeyDown(int keyCode, bool shift);

  // Whether the current item is being dragged, and where it would land.
  bool IsDragging() const { return m_dragging; }
  Rect DragRect() const { return m_dragRect; }

private:
  void OnDraw(wxDC& dc) override;
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  // Ends a drag: the feedback goes, the mouse is let go.
  void StopDragging();
  // Repaints where the drag feedback is drawn.
  void RefreshFeedback();
  void DrawFeedback(wxDC& dc);
  CMainFrame* Frame() const;
  // A pointer position in scroll-area pixels.
  Point Unscrolled(wxPoint position) const;
  void UpdatePageOrigin();

  int m_zoom = 1;
  bool m_labelsShown = true;
  wxPoint m_pageOrigin;
  bool m_dragging = false;
  bool m_holdingPointer = false;
  Rect m_dragRect; // tovel pixels
  Point m_grab;    // the pointer's offset from the item's corner, screen pixels
};
