// The item list pane on the left of the main window: one row per item with
// its number, a cell that hides it and its four state pictures or its text.
#pragma once

#include <wx/bitmap.h>
#include <wx/scrolwin.h>

#include "editing/Geometry.h"
#include "editing/KeptBitmaps.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"

class CObjectsView : public wxScrolledCanvas, public TovelClient {
public:
  explicit CObjectsView(wxWindow* parent);

  // The height of a row, which is also the width of a column, in pixels.
  int RowHeight() const { return m_rowHeight; }

  // Derives the row height from the pane's width and resets the scroll
  // extent; the whole pane repaints when the height changed.
  void RecomputeRowHeight();

  // Resets the scroll extent from ItemCount and the current row height.
  void UpdateItemListExtent();

  // Paints the list, in list coordinates (before scrolling), down to the
  // bottom of the visible area. With an area (list coordinates), only the
  // header, the rows and the space below them that meet it are painted,
  // each as a whole and exactly as a full paint paints it.
  void PaintTo(wxDC& dc, const Rect* area = nullptr);

  // Repaints the rows a change of the tables touched.
  void TovelChanged(const TovelChange& change) override;

private:
  void OnDraw(wxDC& dc) override;
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnSysColourChanged(wxSysColourChangedEvent& event);

  // Repaints row i without erasing (-1: the band above row 0).
  void InvalidateItemRow(int i);
  // Paints row i at once: straight onto the window where the platform
  // allows it (sending EVT_DIRECT_PAINT), else by invalidating it.
  void RedrawItemRow(int i);
  void PaintHeader(wxDC& dc, int width);
  void PaintRow(wxDC& dc, int row, int width);
  void PaintPictureCell(wxDC& dc, int row, int column);
  // A push-button frame as the theme draws it over a row's fill, with a
  // diagonal cross on its face when `crossed`.
  void DrawButtonFrame(wxDC& dc, const Rect& cell, int row, bool pushed, bool crossed = false);
  // Row i's number in the DC's font, at the top left of `space` and cut
  // to it, over the row's fill.
  void DrawRowNumber(wxDC& dc, int row, const Rect& space, const wxColour& colour);
  // How far the list is scrolled down, in pixels.
  int ScrollPosition() const;

  int m_rowHeight = 32;
  // The theme is slow to draw, and a list shows the same few frames many
  // times: each size, state and fill is drawn once and then copied.
  struct ButtonFrame {
    wxSize Size;
    bool Pushed;
    bool Crossed;
    wxColour Fill;
    bool operator==(const ButtonFrame&) const = default;
  };
  KeptBitmaps<ButtonFrame> m_buttonFrames{32};
  struct RowNumber {
    int Row;
    wxSize Room;
    wxColour Colour;
    wxColour Fill;
    bool operator==(const RowNumber&) const = default;
  };
  KeptBitmaps<RowNumber> m_rowNumbers{2 * MaxItems + 8};
};
