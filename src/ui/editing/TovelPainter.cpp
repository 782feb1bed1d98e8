#include "editing/TovelPainter.h"

#include <array>
#include <climits>
#include <cstdint>

#include <wx/image.h>

#include "app/ModelText.h"
#include "bitmaps/PictureLoading.h"
#include "editing/ViewGeometry.h"
#include "model/Tovel.h"

namespace {

const wxColour LightYellow(255, 255, 160);

wxRect ToWxRect(const Rect& r)
{
  return {r.Left, r.Top, r.Width(), r.Height()};
}

} // namespace

TovelPainter::TovelPainter(int zoom, bool labelsShown)
    : m_zoom(zoom), m_labelsShown(labelsShown),
      m_font(wxFontInfo(wxSize(0, TextHeight * zoom)).Family(wxFONTFAMILY_SWISS))
{
}

void TovelPainter::PaintPage(wxDC& dc, wxPoint origin, const Rect* area)
{
  const Rect page{origin.x, origin.y, origin.x + PageWidth * m_zoom,
                  origin.y + PageHeight * m_zoom};
  if (area && !area->Intersects(page)) return;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(ToWxRect(page));
  for (int i = 0; i < ItemCount; ++i) {
    if (!area || Reach(ItemTable[i], {origin.x, origin.y}).Intersects(*area))
      DrawItem(dc, i, origin);
  }
}

Rect TovelPainter::Reach(const TovelItem& item, Point origin) const
{
  Rect reach = ItemPaintedRect(item, BitmapCount, m_zoom, origin);
  if (item.Flags & FlagText) {
    // A text is not clipped to its box: it may run out sideways, and out
    // of a box lower than the font.
    const int line = TextHeight * m_zoom;
    reach = {INT_MIN / 2, ClampToInt(std::int64_t{reach.Top} - line), INT_MAX / 2,
             ClampToInt(std::int64_t{reach.Bottom} + line)};
  }
  return reach;
}

void TovelPainter::DrawItem(wxDC& dc, int i, wxPoint origin)
{
  const TovelItem& item = ItemTable[i];
  if (!ItemIsDrawn(item, m_labelsShown)) return;
  const Point at{origin.x, origin.y};
  const Rect box = ItemScreenRect(item, m_zoom, at);

  if (item.Flags & FlagFilled) {
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush((item.Flags & FlagYellow) ? LightYellow : *wxWHITE));
    dc.DrawRectangle(ToWxRect(box));
  }

  if (item.Flags & FlagText) {
    const wxString text = ToWx(item.Contents[item.State]);
    dc.SetFont(m_font);
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxSize extent = dc.GetTextExtent(text);
    // One line, centred both ways, and not clipped to the box.
    dc.DrawText(text, box.Left + (box.Width() - extent.x) / 2,
                box.Top + (box.Height() - extent.y) / 2);
    return;
  }

  const int slot = ShownPictureSlot(item, BitmapCount);
  if (slot < 0) return;
  const BitmapSlot& loaded = BitmapImages[slot];
  const Rect target = PictureScreenRect(item, loaded.Width, loaded.Height, m_zoom, at);
  // Whole pixels grow into blocks at higher zooms: no smoothing.
  const wxBitmap* picture = SlotBitmapScaled(slot, {target.Width(), target.Height()}, false);
  if (!picture) return;
  dc.DrawBitmap(*picture, target.Left, target.Top, false);
}
