#include "bitmaps/PictureLoading.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include "bitmaps/BitmapLoading.h"
#include "bitmaps/BmpPixels.h"
#include "bitmaps/PixelScaling.h"
#include "model/Tovel.h"

const WxPicture* SlotPicture(int slot)
{
  if (slot < 0 || slot >= MaxBitmaps) return nullptr;
  return dynamic_cast<const WxPicture*>(BitmapImages[slot].Bitmap.get());
}

const wxBitmap* SlotBitmap(int slot)
{
  const WxPicture* picture = SlotPicture(slot);
  return picture && picture->GetBitmap().IsOk() ? &picture->GetBitmap() : nullptr;
}

namespace {

// A few stretched forms per slot: the tovel view's zoom and the item list's
// cell size are in use at the same time.
struct ScaledPicture {
  std::uint64_t Serial = 0;
  wxSize Size;
  bool Smooth = false;
  wxBitmap Bitmap;
};
constexpr std::size_t ScaledPerSlot = 4;
std::array<std::array<ScaledPicture, ScaledPerSlot>, MaxBitmaps> ScaledPictures;
std::array<std::size_t, MaxBitmaps> NextToReplace{};

// The picture's pixels repeated to the size, none blended: at whole zooms
// every pixel becomes an exact block.
wxImage ScaledBlocky(const wxImage& image, wxSize size)
{
  const int width = image.GetWidth();
  const int height = image.GetHeight();
  const auto pixels = static_cast<std::size_t>(width) * height;
  wxImage scaled(size.x, size.y, false);
  const auto rgb = ScaleNearest({image.GetData(), pixels * 3}, width, height, 3, size.x, size.y);
  std::copy(rgb.begin(), rgb.end(), scaled.GetData());
  if (image.HasAlpha()) {
    scaled.InitAlpha();
    const auto alpha = ScaleNearest({image.GetAlpha(), pixels}, width, height, 1, size.x, size.y);
    std::copy(alpha.begin(), alpha.end(), scaled.GetAlpha());
  }
  if (image.HasMask())
    scaled.SetMaskColour(image.GetMaskRed(), image.GetMaskGreen(), image.GetMaskBlue());
  return scaled;
}

} // namespace

const wxBitmap* SlotBitmapScaled(int slot, wxSize size, bool smooth)
{
  const WxPicture* picture = SlotPicture(slot);
  if (!picture || !picture->GetBitmap().IsOk() || size.x <= 0 || size.y <= 0) return nullptr;
  if (size == picture->GetBitmap().GetSize()) return &picture->GetBitmap();
  for (ScaledPicture& cached : ScaledPictures[slot]) {
    if (cached.Serial == picture->Serial() && cached.Size == size && cached.Smooth == smooth)
      return &cached.Bitmap;
  }
  ScaledPicture& entry = ScaledPictures[slot][NextToReplace[slot]];
  NextToReplace[slot] = (NextToReplace[slot] + 1) % ScaledPerSlot;
  const wxImage image = picture->GetBitmap().ConvertToImage();
  const wxImage scaled =
      smooth ? image.Scale(size.x, size.y, wxIMAGE_QUALITY_BILINEAR) : ScaledBlocky(image, size);
  entry = {picture->Serial(), size, smooth, wxBitmap(scaled)};
  return &entry.Bitmap;
}

namespace {

// The toolkit cannot read every 16- and 32-bit form (bit masks after the
// 40-byte header, for one); those are decoded here.
wxImage DecodeItself(std::span<const std::uint8_t> file, const BmpInfo& info)
{
  const auto pixels = DecodePackedPixels(file, info);
  if (!pixels) return {};
  wxImage image(pixels->Width, pixels->Height, false);
  std::memcpy(image.GetData(), pixels->Rgb.data(), pixels->Rgb.size());
  return image;
}

} // namespace

void InstallPictureDecoder()
{
  wxInitAllImageHandlers();
  SetPictureDecoder(
      [](std::span<const std::uint8_t> file, const BmpInfo& info) -> std::unique_ptr<Picture> {
        wxMemoryInputStream stream(file.data(), file.size());
        wxImage image;
        bool loaded = false;
        {
          wxLogNull quiet; // a bad file is reported once by the caller
          loaded = image.LoadFile(stream, wxBITMAP_TYPE_BMP);
        }
        // A failed load may leave a half-made image behind: never show it.
        if (!loaded) image = HasPackedPixels(info) ? DecodeItself(file, info) : wxImage();
        if (!image.IsOk()) return nullptr;
        if (image.GetWidth() != info.Width || image.GetHeight() != info.Height) return nullptr;
        return std::make_unique<WxPicture>(wxBitmap(image));
      });
}
