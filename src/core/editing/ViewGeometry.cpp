#include "editing/ViewGeometry.h"

#include "model/LeadingNumber.h"

Point PageOriginFor(int clientWidth, int clientHeight, int zoom)
{
  return {std::max(0, (clientWidth - PageWidth * zoom) / 2),
          std::max(0, (clientHeight - PageHeight * zoom) / 2)};
}

bool ItemIsDrawn(const TovelItem& item, bool labelsShown)
{
  if (item.State < 0 || item.State > 3) return false;
  if ((item.Flags & FlagLabel) && !labelsShown) return false;
  return item.Right >= item.Left && item.Bottom >= item.Top;
}

Rect ItemScreenRect(const TovelItem& item, int zoom, Point origin)
{
  return {Scaled(origin.X, zoom, item.Left), Scaled(origin.Y, zoom, item.Top),
          Scaled(origin.X, zoom, item.Right), Scaled(origin.Y, zoom, item.Bottom)};
}

int ShownPictureSlot(const TovelItem& item, int bitmapCount)
{
  if (item.State < 0 || item.State > 3) return -1;
  const int slot = LeadingNumber(item.Contents[item.State]);
  return slot >= 0 && slot < bitmapCount && slot < MaxBitmaps ? slot : -1;
}

Rect PictureScreenRect(const TovelItem& item, int width, int height, int zoom, Point origin)
{
  const int left = Scaled(origin.X, zoom, item.Left);
  const int bottom = Scaled(origin.Y, zoom, item.Bottom);
  return {left, ClampToInt(std::int64_t{bottom} - std::int64_t{zoom} * height),
          ClampToInt(std::int64_t{left} + std::int64_t{zoom} * width), bottom};
}

Rect ItemPaintedRect(const TovelItem& item, int bitmapCount, int zoom, Point origin)
{
  Rect painted = ItemScreenRect(item, zoom, origin);
  if (!(item.Flags & FlagText)) {
    const int slot = ShownPictureSlot(item, bitmapCount);
    if (slot >= 0) {
      const BitmapSlot& picture = BitmapImages[slot];
      painted =
          painted.United(PictureScreenRect(item, picture.Width, picture.Height, zoom, origin));
    }
  }
  return painted;
}

bool CanRedrawDirectly(const TovelItem& item)
{
  if (item.State < 0 || item.State > 3 || !(item.Flags & FlagFastRedraw)) return false;
  return LeadingNumber(item.Contents[item.State]) >= 0;
}
