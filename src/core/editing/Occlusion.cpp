#include "editing/Occlusion.h"

#include <algorithm>

#include "editing/ViewGeometry.h"

namespace {

// More pieces than this are not split further: their bounds are then
// larger than they need be, never too small.
constexpr std::size_t MaxPieces = 256;

// Adds to out the parts of piece outside cover: up to four rectangles.
void Subtract(const Rect& piece, const Rect& cover, std::vector<Rect>& out)
{
  if (!piece.Intersects(cover)) {
    out.push_back(piece);
    return;
  }
  const Rect inner = piece.Intersection(cover);
  const Rect parts[] = {
      {piece.Left, piece.Top, piece.Right, inner.Top},       // above
      {piece.Left, inner.Bottom, piece.Right, piece.Bottom}, // below
      {piece.Left, inner.Top, inner.Left, inner.Bottom},     // left
      {inner.Right, inner.Top, piece.Right, inner.Bottom},   // right
  };
  for (const Rect& part : parts)
    if (!part.IsEmpty()) out.push_back(part);
}

} // namespace

Rect UncoveredBounds(const Rect& area, std::span<const Rect> covers)
{
  if (area.IsEmpty()) return {};
  std::vector<Rect> pieces{area};
  std::vector<Rect> next;
  for (const Rect& cover : covers) {
    if (cover.IsEmpty() || pieces.size() > MaxPieces) continue;
    next.clear();
    for (const Rect& piece : pieces) Subtract(piece, cover, next);
    pieces.swap(next);
    if (pieces.empty()) return {};
  }
  Rect bounds;
  for (const Rect& piece : pieces) bounds = bounds.United(piece);
  return bounds;
}

void AddOpaqueRects(const TovelItem& item, int bitmapCount, int zoom, Point origin,
                    std::vector<Rect>& rects)
{
  if (item.Flags & FlagFilled) rects.push_back(ItemScreenRect(item, zoom, origin));
  if (item.Flags & FlagText) return;
  const int slot = ShownPictureSlot(item, bitmapCount);
  if (slot < 0 || !BitmapImages[slot].Bitmap) return;
  const BitmapSlot& picture = BitmapImages[slot];
  rects.push_back(PictureScreenRect(item, picture.Width, picture.Height, zoom, origin));
}

ItemCovers::ItemCovers(bool labelsShown, int zoom, Point origin)
    : m_above(static_cast<std::size_t>(std::max(ItemCount, 0)) + 1)
{
  for (int i = ItemCount - 1; i >= 0; --i) {
    m_above[static_cast<std::size_t>(i) + 1] = m_rects.size();
    if (ItemIsDrawn(ItemTable[i], labelsShown))
      AddOpaqueRects(ItemTable[i], BitmapCount, zoom, origin, m_rects);
  }
}

std::span<const Rect> ItemCovers::Above(int i) const
{
  if (i < 0 || static_cast<std::size_t>(i) + 1 >= m_above.size()) return {};
  return std::span(m_rects).first(m_above[static_cast<std::size_t>(i) + 1]);
}
