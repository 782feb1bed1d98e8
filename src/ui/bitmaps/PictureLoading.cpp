#include "bitmaps/PictureLoading.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include <wx/image.h>

#include "bitmaps/PixelScaling.h"
#include "model/Tovel.h"
#include "platform/Memory.h"

const Picture* SlotPicture(int slot)
{
  if (slot < 0 || slot >= MaxBitmaps) return nullptr;
  return BitmapImages[static_cast<std::size_t>(slot)].Bitmap.get();
}

namespace {

struct KeptPiece {
  std::uint64_t Serial = 0;
  wxSize Size;
  PicturePiece Piece;
};

// A few previews per slot: the item list's cells and the bitmap buttons
// are shown at the same time.
struct KeptPreview {
  std::uint64_t Serial = 0;
  wxSize Size;
  wxBitmap Bitmap;
};
constexpr std::size_t PreviewsPerSlot = 4;

std::array<KeptPiece, MaxBitmaps> Pieces;
std::array<std::array<KeptPreview, PreviewsPerSlot>, MaxBitmaps> Previews;
std::array<std::size_t, MaxBitmaps> NextPreviewToReplace{};

wxBitmap BitmapOfRgb(const std::vector<std::uint8_t>& rgb, wxSize size)
{
  wxImage image(size.x, size.y, false);
  std::memcpy(image.GetData(), rgb.data(), rgb.size());
  return wxBitmap(image);
}

std::int64_t Area(const wxRect& r)
{
  return std::int64_t{r.width} * r.height;
}

std::size_t PixelsOf(const wxBitmap& bitmap)
{
  return bitmap.IsOk() ? static_cast<std::size_t>(bitmap.GetWidth()) * bitmap.GetHeight() : 0;
}

} // namespace

const PicturePiece* SlotPicturePiece(int slot, wxSize size, const wxRect& wanted)
{
  const Picture* picture = SlotPicture(slot);
  if (!picture || size.x <= 0 || size.y <= 0) return nullptr;
  const wxRect shown = wanted.Intersect(wxRect(size));
  if (shown.IsEmpty()) return nullptr;

  KeptPiece& kept = Pieces[static_cast<std::size_t>(slot)];
  wxRect part = shown;
  if (kept.Serial == picture->Serial() && kept.Size == size) {
    const wxRect keptPart(kept.Piece.At, kept.Piece.Bitmap.GetSize());
    if (keptPart.Contains(shown)) return &kept.Piece;
    // Items that show the same picture at different places, each partly
    // on screen, want different parts: the piece grows to hold both while
    // it stays within a few times what is shown now.
    const wxRect both = keptPart.Union(shown);
    if (Area(both) <= 4 * Area(shown)) part = both;
  }
  kept = {};
  wxImage image(part.width, part.height, false);
  const auto bytes =
      static_cast<std::size_t>(part.width) * static_cast<std::size_t>(part.height) * 3;
  const Rect area{part.x, part.y, part.GetRight() + 1, part.GetBottom() + 1};
  if (!image.IsOk() || !StretchPart(*picture, size.x, size.y, area, {image.GetData(), bytes}))
    return nullptr;
  kept = {picture->Serial(), size, {wxBitmap(image), part.GetTopLeft()}};
  return &kept.Piece;
}

const wxBitmap* SlotPreview(int slot, wxSize size)
{
  const Picture* picture = SlotPicture(slot);
  if (!picture || size.x <= 0 || size.y <= 0) return nullptr;
  auto& previews = Previews[static_cast<std::size_t>(slot)];
  for (KeptPreview& kept : previews) {
    if (kept.Serial == picture->Serial() && kept.Size == size) return &kept.Bitmap;
  }
  std::size_t& next = NextPreviewToReplace[static_cast<std::size_t>(slot)];
  KeptPreview& entry = previews[next];
  next = (next + 1) % PreviewsPerSlot;
  entry = {picture->Serial(), size, BitmapOfRgb(ScaleSmooth(*picture, size.x, size.y), size)};
  return &entry.Bitmap;
}

void ReleaseStretchedPictures()
{
  // Giving memory back to the system costs a walk of the heap: only when
  // there is something to give.
  if (StretchedPicturePixels() == 0) return;
  Pieces.fill({});
  for (auto& previews : Previews) previews.fill({});
  NextPreviewToReplace.fill(0);
  platform::ReturnFreedMemory();
}

std::size_t StretchedPicturePixels()
{
  std::size_t pixels = 0;
  for (const KeptPiece& kept : Pieces) pixels += PixelsOf(kept.Piece.Bitmap);
  for (const auto& previews : Previews)
    for (const KeptPreview& kept : previews) pixels += PixelsOf(kept.Bitmap);
  return pixels;
}
