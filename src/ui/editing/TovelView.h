// The tovel view: the white page with its items, at zoom 1 to 4.
#pragma once

#include <functional>
#include <memory>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/scrolwin.h>

#include "editing/Geometry.h"
#include "editing/TovelPainter.h"
#include "model/TovelChange.h"

class CTovelView : public wxScrolledCanvas, public TovelClient {
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

  // Whether the current item is being dragged, and where it would land.
  bool IsDragging() const { return m_dragging; }
  Rect DragRect() const { return m_dragRect; }

  // While the tovel is tried: readings are drawn in place of the texts,
  // and a press on the view goes to onPress (the pointer in scroll-area
  // pixels) instead of selecting or dragging; keys only scroll. Null texts
  // and no function end it. The texts must outlive the trying.
  void SetTrying(const ShownTexts* texts, std::function<void(Point)> onPress);
  bool IsTrying() const { return static_cast<bool>(m_onPress); }

  // Paints the page as the view shows it now into dc, its top-left corner
  // at (0, 0): what --render draws of the same tables.
  void PaintPageInto(wxDC& dc);

  // Repaints what a change of the tables touched.
  void TovelChanged(const TovelChange& change) override;

private:
  void OnDraw(wxDC& dc) override;
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnScrollLine(wxScrollWinEvent& event);
  void OnMouseWheel(wxMouseEvent& event);
  // Repaints everything item i painted before a change (as `before`) and
  // paints now. A fast-redraw item showing a picture is painted at once:
  // straight onto the window where the platform allows it (sending
  // EVT_DIRECT_PAINT), else by a paint before the next event is handled.
  void RedrawItem(int i, const TovelItem& before);
  // Paints the workspace, the page and the drag feedback over an area
  // (scroll-area pixels) of a prepared DC.
  void PaintArea(wxDC& dc, const Rect& area);
  // The part of the scroll area that the window shows.
  Rect ShownArea() const;
  // Everything an item paints, as it is given, in scroll-area pixels.
  Rect Extent(const TovelItem& item);
  // The same for item i as it is drawn now, with its reading.
  Rect Extent(int i);
  // Where texts are measured outside painting.
  wxDC& MeasureDC();
  // Invalidates what an item paints, as it is given.
  void RefreshExtent(const TovelItem& item);
  // Invalidates an area given in scroll-area pixels, as far as it is on
  // the window.
  void RefreshArea(const Rect& area);
  // Scrolls by whole lines: a hundredth of the page.
  void ScrollLines(int orientation, int lines);
  // Ends a drag: the feedback goes, the mouse is let go.
  void StopDragging();
  // The drag feedback's outline, in scroll-area pixels.
  Rect FeedbackRect() const;
  void RefreshFeedback();
  void DrawFeedback(wxDC& dc);
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
  TovelPainter m_painter{1, true};
  // While trying: the readings shown and where presses go.
  const ShownTexts* m_texts = nullptr;
  std::function<void(Point)> m_onPress;
  // Where texts are measured outside painting.
  wxBitmap m_measureBitmap{1, 1};
  std::unique_ptr<wxMemoryDC> m_measure;
};
