#include "editing/KeptBitmaps.h"

#include <wx/dcmemory.h>

wxBitmap DrawnBitmap(wxSize size, const wxColour& fill, const std::function<void(wxDC&)>& draw)
{
  wxBitmap bitmap(size, 24);
  wxMemoryDC memory(bitmap);
  memory.SetBackground(wxBrush(fill));
  memory.Clear();
  draw(memory);
  return bitmap;
}
