// The item list pane's rows and cells, and what a press in it does.
#pragma once

#include "editing/Geometry.h"
#include "model/Tovel.h"

// The grey band at the top that heads the picture columns.
constexpr int ItemListHeaderHeight = 14;
constexpr int MinRowHeight = 20;

// The height of a row, which is also the width of a column: the pane's
// width (borders included) less a vertical scroll bar, shared by the six
// columns, and never below 20.
int ItemListRowHeight(int paneWidth, int scrollBarWidth);

// The height of the whole list: the header and one row per item.
int ItemListExtent(int rowHeight, int itemCount);

// In list coordinates (before scrolling), row i being item i.
Rect ItemRowRect(int row, int rowHeight, int width); // the row's fill, without its separator
int ItemRowTop(int row, int rowHeight);
Rect HideCellRect(int row, int rowHeight);
Rect TextCellRect(int row, int rowHeight);
Rect PictureCellRect(int row, int column, int rowHeight); // column 0..3
// The header label over picture column 0..3.
Rect HeaderLabelRect(int column, int rowHeight);

// The header labels' font shrinks by this factor at a time until the
// widest label fits its column and stands lower than the header.
constexpr double HeaderFontShrink = 0.9;
constexpr int MaxHeaderFontSteps = 7;
// How many steps of HeaderFontShrink should bring a label that measures
// width x height within maxWidth and below the header's height, its size
// taken to follow the font's; 0 when it fits, at most MaxHeaderFontSteps.
int HeaderFontSteps(int width, int height, int maxWidth);

// The client rectangle that InvalidateItemRow repaints: row i's band, moved
// up by the scroll position. Row -1 is the band just above row 0.
Rect ItemRowBand(int row, int rowHeight, int width, int scroll);

// What a left-button press in the pane changed.
struct ItemListPress {
  bool SelectionChanged = false; // CurrentItem moved from PreviousItem to Row
  int PreviousItem = -1;
  int Row = -1;              // the item the press landed on, or -1 for none
  bool StateChanged = false; // the item's State was set by a cell
  TovelItem Before;          // the pressed item as it was before the press
  bool Changed() const { return SelectionChanged || StateChanged; }
};

// Applies a press at client point (x, y), scrolled down by scroll pixels,
// to the tables: the pressed row becomes current, and a press inside its
// hide cell, text cell or a picture cell sets the item's State. A press on
// the header or below the last row changes nothing.
ItemListPress PressItemList(int x, int y, int scroll, int rowHeight);
