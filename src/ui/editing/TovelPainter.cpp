#include "editing/TovelPainter.h"

#include <climits>
#include <cstdint>

#include <wx/graphics.h>

#include "app/ModelText.h"
#include "bitmaps/PictureLoading.h"
#include "editing/Occlusion.h"
#include "editing/ViewGeometry.h"
#include "model/Tovel.h"

namespace {

const wxColour LightYellow(255, 255, 160);

wxRect ToWxRect(const Rect& r)
{
  return {r.Left, r.Top, r.Width(), r.Height()};
}

// Room around a measured text for glyphs that reach past their advance
// (and for a screen that measures a pixel differently).
int TextOverhang(int zoom)
{
  return 2 * zoom + 2;
}

} // namespace

TovelPainter::TovelPainter(int zoom, bool labelsShown) : m_zoom(zoom), m_labelsShown(labelsShown) {}

void TovelPainter::LearnResolution(const wxDC& dc)
{
  // Asking costs a query of the screen's monitors: once, until forgotten.
  if (m_resolution > 0) return;
  const int ppi = dc.GetPPI().y;
  m_resolution = ppi > 0 ? ppi : 96;
}

const wxFont& TovelPainter::Font()
{
  // A point is 1/72 inch: the em of a font of p points is p * ppi / 72
  // pixels. (A pixel size would set the line height, which is larger.)
  const int resolution = m_resolution > 0 ? m_resolution : 96;
  if (!m_font.IsOk() || resolution != m_fontResolution) {
    const double points = TextHeight * m_zoom * 72.0 / resolution;
    m_font = wxFont(wxFontInfo(points).Family(wxFONTFAMILY_SWISS));
    m_fontResolution = resolution;
    m_textSizes.clear();
  }
  return m_font;
}

void TovelPainter::PaintPage(wxDC& dc, wxPoint origin, const Rect* area, const Rect* visible)
{
  const Rect page{origin.x, origin.y, Scaled(origin.x, m_zoom, PageWidth),
                  Scaled(origin.y, m_zoom, PageHeight)};
  if (area && !area->Intersects(page)) return;
  LearnResolution(dc);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.DrawRectangle(ToWxRect(area ? page.Intersection(*area) : page));
  const Rect shown = page.Intersection(visible ? *visible : area ? *area : page);
  // What each item hides of the items under it: a picture is stretched
  // only as far as it is neither off the screen nor hidden.
  const ItemCovers covers(m_labelsShown, m_zoom, {origin.x, origin.y});
  for (int i = 0; i < ItemCount; ++i) {
    if (area && !Reaches(dc, i, origin, *area)) continue;
    DrawItem(dc, i, origin, shown, covers.Above(i));
  }
}

const std::string& TovelPainter::ShownText(const TovelItem& item, int i) const
{
  if (m_texts && i >= 0 && i < MaxItems && (*m_texts)[i]) return *(*m_texts)[i];
  return item.Contents[item.State];
}

bool TovelPainter::Reaches(wxDC& dc, int i, wxPoint origin, const Rect& area)
{
  const TovelItem& item = ItemTable[i];
  if (!ItemIsDrawn(item, m_labelsShown)) return false;
  const Point at{origin.x, origin.y};
  Rect reach = ItemPaintedRect(item, BitmapCount, m_zoom, at);
  if (item.Flags & FlagText) {
    // Measuring a text costs more than drawing a picture: a text is looked
    // at only when the rows it may reach (two lines above and below its
    // box) meet the area.
    const std::int64_t line = std::int64_t{2} * TextHeight * m_zoom + TextOverhang(m_zoom);
    reach = {INT_MIN, ClampToInt(reach.Top - line), INT_MAX, ClampToInt(reach.Bottom + line)};
    if (!reach.Intersects(area)) return false;
    return Extent(dc, i, origin).Intersects(area);
  }
  return reach.Intersects(area);
}

wxSize TovelPainter::TextSize(wxDC& dc, const std::string& text)
{
  const wxFont& font = Font();
  if (const auto known = m_textSizes.find(text); known != m_textSizes.end()) return known->second;
  // A tovel has 30 texts at most; the ones edited away are forgotten now
  // and then.
  if (m_textSizes.size() >= 256) m_textSizes.clear();
  wxCoord width = 0;
  wxCoord height = 0;
  dc.GetTextExtent(ToWx(text), &width, &height, nullptr, nullptr, &font);
  return m_textSizes[text] = wxSize(width, height);
}

Rect TovelPainter::TextRect(wxDC& dc, const std::string& text, const Rect& box)
{
  const wxSize extent = TextSize(dc, text);
  const int width = extent.x;
  const int height = extent.y;
  const int left = ClampToInt(std::int64_t{box.Left} + (std::int64_t{box.Width()} - width) / 2);
  const int top = ClampToInt(std::int64_t{box.Top} + (std::int64_t{box.Height()} - height) / 2);
  return {left, top, ClampToInt(std::int64_t{left} + width),
          ClampToInt(std::int64_t{top} + height)};
}

Rect TovelPainter::Extent(wxDC& dc, const TovelItem& item, wxPoint origin)
{
  if (!ItemIsDrawn(item, m_labelsShown)) return {};
  return ExtentOf(dc, item, item.Contents[item.State], origin);
}

Rect TovelPainter::Extent(wxDC& dc, int i, wxPoint origin)
{
  const TovelItem& item = ItemTable[i];
  if (!ItemIsDrawn(item, m_labelsShown)) return {};
  return ExtentOf(dc, item, ShownText(item, i), origin);
}

Rect TovelPainter::ExtentOf(wxDC& dc, const TovelItem& item, const std::string& shown,
                            wxPoint origin)
{
  const Point at{origin.x, origin.y};
  const Rect painted = ItemPaintedRect(item, BitmapCount, m_zoom, at);
  if (!(item.Flags & FlagText)) return painted;
  LearnResolution(dc);
  const Rect text = TextRect(dc, shown, ItemScreenRect(item, m_zoom, at));
  const int overhang = TextOverhang(m_zoom);
  return painted.United({ClampToInt(std::int64_t{text.Left} - overhang),
                         ClampToInt(std::int64_t{text.Top} - overhang),
                         ClampToInt(std::int64_t{text.Right} + overhang),
                         ClampToInt(std::int64_t{text.Bottom} + overhang)});
}

void TovelPainter::DrawItem(wxDC& dc, int i, wxPoint origin, const Rect& shown,
                            std::span<const Rect> above)
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
    // One line, centred both ways, and not clipped to the box.
    const std::string& shown = ShownText(item, i);
    const Rect text = TextRect(dc, shown, box);
    dc.SetFont(Font());
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawText(ToWx(shown), text.Left, text.Top);
    return;
  }

  const int slot = ShownPictureSlot(item, BitmapCount);
  if (slot < 0) return;
  const BitmapSlot& loaded = BitmapImages[slot];
  const Rect target = PictureScreenRect(item, loaded.Width, loaded.Height, m_zoom, at);
  // Only the part of the picture that can be seen is stretched; whole
  // pixels grow into blocks at higher zooms, with no smoothing.
  const Rect part = UncoveredBounds(target.Intersection(shown), above);
  if (part.IsEmpty()) return;
  const wxRect wanted(ClampToInt(std::int64_t{part.Left} - target.Left),
                      ClampToInt(std::int64_t{part.Top} - target.Top), part.Width(), part.Height());
  wxGraphicsContext* gc = m_zoom > 1 ? dc.GetGraphicsContext() : nullptr;
  if (gc) {
    // The DC stretches as it draws: the piece is kept at the picture's own
    // size, and its pixels grow into blocks on the way to the screen. What
    // is made and kept is the zoom squared times smaller than a stretched
    // piece, and the display does the stretching.
    const int z = m_zoom;
    const wxRect own(wanted.x / z, wanted.y / z, (wanted.GetRight() / z) - wanted.x / z + 1,
                     (wanted.GetBottom() / z) - wanted.y / z + 1);
    const PicturePiece* piece = SlotPicturePiece(slot, {loaded.Width, loaded.Height}, own);
    if (!piece) return;
    gc->PushState();
    gc->Translate(target.Left + piece->At.x * z, target.Top + piece->At.y * z);
    gc->Scale(z, z);
    gc->Clip(0, 0, piece->Bitmap.GetWidth(), piece->Bitmap.GetHeight());
    dc.DrawBitmap(piece->Bitmap, 0, 0, false);
    gc->PopState();
    return;
  }
  const PicturePiece* piece = SlotPicturePiece(slot, {target.Width(), target.Height()}, wanted);
  if (!piece) return;
  dc.DrawBitmap(piece->Bitmap, target.Left + piece->At.x, target.Top + piece->At.y, false);
}
