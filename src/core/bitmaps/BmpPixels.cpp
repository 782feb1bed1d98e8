#include "bitmaps/BmpPixels.h"

#include <bit>
#include <cstddef>

namespace {

// One colour channel of a packed pixel.
struct Channel {
  std::uint32_t Mask = 0;
  int Shift = 0; // of the mask's lowest bit
  int Bits = 0;  // from the lowest to the highest bit of the mask

  explicit Channel(std::uint32_t mask) : Mask(mask)
  {
    if (mask == 0) return;
    Shift = std::countr_zero(mask);
    Bits = std::bit_width(mask >> Shift);
  }

  std::uint8_t Of(std::uint32_t pixel) const
  {
    if (Mask == 0) return 0;
    const std::uint32_t value = (pixel & Mask) >> Shift;
    return static_cast<std::uint8_t>(Bits >= 8 ? value >> (Bits - 8) : value << (8 - Bits));
  }
};

} // namespace

bool HasPackedPixels(const BmpInfo& info)
{
  return (info.BitsPerPixel == 16 || info.BitsPerPixel == 32) &&
         (info.Compression == BmpRgb || info.Compression == BmpBitFields);
}

std::optional<RgbPixels> DecodePackedPixels(std::span<const std::uint8_t> file, const BmpInfo& info)
{
  if (!HasPackedPixels(info) || info.Width <= 0 || info.Height <= 0) return std::nullopt;
  const std::size_t width = static_cast<std::size_t>(info.Width);
  const std::size_t height = static_cast<std::size_t>(info.Height);
  const std::size_t bytesPerPixel = static_cast<std::size_t>(info.BitsPerPixel) / 8;
  const std::size_t stride = (width * bytesPerPixel + 3) / 4 * 4;
  if (info.PixelOffset > file.size() || (file.size() - info.PixelOffset) / stride < height)
    return std::nullopt;

  const Channel red(info.Masks[0]);
  const Channel green(info.Masks[1]);
  const Channel blue(info.Masks[2]);
  RgbPixels pixels{info.Width, info.Height, {}};
  pixels.Rgb.resize(width * height * 3);
  std::uint8_t* out = pixels.Rgb.data();
  for (std::size_t row = 0; row < height; ++row) {
    // Files are stored bottom row first unless they say they are top-down.
    const std::size_t stored = info.TopDown ? row : height - 1 - row;
    const std::uint8_t* in = file.data() + info.PixelOffset + stored * stride;
    for (std::size_t x = 0; x < width; ++x, in += bytesPerPixel) {
      std::uint32_t pixel = in[0] | static_cast<std::uint32_t>(in[1]) << 8;
      if (bytesPerPixel == 4)
        pixel |= static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
      *out++ = red.Of(pixel);
      *out++ = green.Of(pixel);
      *out++ = blue.Of(pixel);
    }
  }
  return pixels;
}
