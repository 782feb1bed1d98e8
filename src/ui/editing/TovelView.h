// The tovel view: the white page with its items, at zoom 1 to 4.
#pragma once

#include <wx/scrolwin.h>

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

private:
  void OnDraw(wxDC& dc) override;
  void OnSize(wxSizeEvent& event);
  void UpdatePageOrigin();

  int m_zoom = 1;
  bool m_labelsShown = true;
  wxPoint m_pageOrigin;
};
