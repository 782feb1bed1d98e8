// Draws the tovel's page and items into any device context: the tovel
// view, the --render command and the benchmark share it.
#pragma once

#include <wx/dc.h>
#include <wx/font.h>

#include "editing/Geometry.h"

struct TovelItem;

class TovelPainter {
public:
  TovelPainter(int zoom, bool labelsShown);

  int Zoom() const { return m_zoom; }

  // Fills the page white and draws every item in table order, so a higher
  // item lies over a lower one. With an area (in the DC's coordinates),
  // only what reaches into it is drawn.
  void PaintPage(wxDC& dc, wxPoint origin, const Rect* area = nullptr);

  // Draws item i by its flags: filled box, text or picture.
  void DrawItem(wxDC& dc, int i, wxPoint origin);

private:
  // Everything item may paint, for deciding whether it reaches an area.
  Rect Reach(const TovelItem& item, Point origin) const;

  int m_zoom;
  bool m_labelsShown;
  wxFont m_font;
};
