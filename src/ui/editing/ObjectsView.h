// The item list pane on the left of the main window: one row per item with
// its number, a cell that hides it and its four state pictures or its text.
#pragma once

#include <wx/scrolwin.h>

class CMainFrame;

class CObjectsView : public wxScrolledCanvas {
public:
  explicit CObjectsView(wxWindow* parent);

  // The height of a row, which is also the width of a column, in pixels.
  int RowHeight() const { return m_rowHeight; }

  // Derives the row height from the pane's width and resets the scroll
  // extent; the whole pane repaints when the height changed.
  void RecomputeRowHeight();

  // Resets the scroll extent from ItemCount and the current row height.
  void UpdateItemListExtent();

  // Repaints row i without erasing (-1: the band above row 0).
  void InvalidateItemRow(int i);

  // Paints the whole list, in list coordinates (before scrolling), down to
  // the bottom of the visible area.
  void PaintTo(wxDC& dc);

private:
  void OnDraw(wxDC& dc) override;
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);

  void PaintHeader(wxDC& dc, int width);
  void PaintRow(wxDC& dc, int row, int width);
  void PaintPictureCell(wxDC& dc, int row, int column);
  // How far the list is scrolled down, in pixels.
  int ScrollPosition() const;
  CMainFrame* Frame();

  int m_rowHeight = 32;
};
