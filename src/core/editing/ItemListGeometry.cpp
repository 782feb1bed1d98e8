#include "editing/ItemListGeometry.h"

#include <cmath>

#include "model/Tovel.h"

int ItemListRowHeight(int paneWidth, int scrollBarWidth)
{
  return std::max(MinRowHeight, (paneWidth - scrollBarWidth) / 6);
}

int ItemListExtent(int rowHeight, int itemCount)
{
  return rowHeight * itemCount + ItemListHeaderHeight;
}

int ItemRowTop(int row, int rowHeight)
{
  return ItemListHeaderHeight + row * rowHeight;
}

Rect ItemRowRect(int row, int rowHeight, int width)
{
  const int top = ItemRowTop(row, rowHeight);
  return {0, top, width, top + rowHeight - 1};
}

Rect HideCellRect(int row, int rowHeight)
{
  const int top = ItemRowTop(row, rowHeight);
  return {rowHeight + 2, top + 4, 2 * rowHeight - 2, top + rowHeight - 4};
}

Rect TextCellRect(int row, int rowHeight)
{
  const int top = ItemRowTop(row, rowHeight);
  return {2 * rowHeight + 2, top + 4, 6 * rowHeight - 2, top + rowHeight - 4};
}

Rect PictureCellRect(int row, int column, int rowHeight)
{
  const int top = ItemRowTop(row, rowHeight);
  return {(2 + column) * rowHeight + 2, top + 4, (3 + column) * rowHeight - 2, top + rowHeight - 4};
}

Rect HeaderLabelRect(int column, int rowHeight)
{
  return {(2 + column) * rowHeight, 0, (3 + column) * rowHeight, ItemListHeaderHeight - 1};
}

int HeaderFontSteps(int width, int height, int maxWidth)
{
  double scale = 1.0;
  int steps = 0;
  // Text measures in whole pixels, rounded up.
  while (steps < MaxHeaderFontSteps && (std::ceil(width * scale) > maxWidth ||
                                        std::ceil(height * scale) >= ItemListHeaderHeight)) {
    scale *= HeaderFontShrink;
    ++steps;
  }
  return steps;
}

Rect ItemRowBand(int row, int rowHeight, int width, int scroll)
{
  return {0, ItemListHeaderHeight + row * rowHeight - scroll, width,
          ItemListHeaderHeight - 1 + (row + 1) * rowHeight - scroll};
}

namespace {

// Strictly inside the horizontal span of a cell: a press on its frame
// margin does not count.
bool WithinColumn(int x, const Rect& cell)
{
  return cell.Left < x && x < cell.Right;
}

} // namespace

ItemListPress PressItemList(int x, int y, int scroll, int rowHeight)
{
  ItemListPress press;
  const int b = y + scroll - ItemListHeaderHeight;
  if (b < 0 || rowHeight <= 0) return press;
  const int d = b / rowHeight;
  if (d >= ItemCount) return press;
  press.Row = d;
  press.Before = ItemTable[d];
  if (d != CurrentItem) {
    press.SelectionChanged = true;
    press.PreviousItem = CurrentItem;
    CurrentItem = d;
  }
  const int e = d * rowHeight;
  if (!(e + 4 < b && b < e + rowHeight - 4)) return press;

  TovelItem& item = ItemTable[d];
  if (WithinColumn(x, HideCellRect(d, rowHeight)) && item.State != -1) {
    item.State = -1;
    press.StateChanged = true;
  }
  if (item.Flags & FlagText) {
    if (WithinColumn(x, TextCellRect(d, rowHeight)) && item.State != 0) {
      item.State = 0;
      press.StateChanged = true;
    }
    return press;
  }
  for (int column = 0; column < 4; ++column) {
    if (WithinColumn(x, PictureCellRect(d, column, rowHeight)) && item.State != column) {
      item.State = column;
      press.StateChanged = true;
      break;
    }
  }
  return press;
}
