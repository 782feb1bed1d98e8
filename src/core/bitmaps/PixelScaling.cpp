#include "bitmaps/PixelScaling.h"

#include <algorithm>
#include <cstddef>

std::vector<std::uint8_t> ScaleNearest(std::span<const std::uint8_t> pixels, int width, int height,
                                       int channels, int newWidth, int newHeight)
{
  if (width <= 0 || height <= 0 || channels <= 0 || newWidth <= 0 || newHeight <= 0) return {};
  const auto rowBytes = static_cast<std::size_t>(width) * channels;
  if (pixels.size() < rowBytes * static_cast<std::size_t>(height)) return {};
  const auto newRowBytes = static_cast<std::size_t>(newWidth) * channels;
  std::vector<std::uint8_t> scaled(newRowBytes * static_cast<std::size_t>(newHeight));
  // Where each column of the result comes from, worked out once.
  std::vector<std::size_t> sourceColumn(static_cast<std::size_t>(newWidth));
  for (int x = 0; x < newWidth; ++x)
    sourceColumn[x] = static_cast<std::size_t>(std::int64_t{x} * width / newWidth) * channels;
  for (int y = 0; y < newHeight; ++y) {
    const auto sourceRow = static_cast<std::size_t>(std::int64_t{y} * height / newHeight);
    const std::uint8_t* from = pixels.data() + sourceRow * rowBytes;
    std::uint8_t* to = scaled.data() + static_cast<std::size_t>(y) * newRowBytes;
    for (int x = 0; x < newWidth; ++x)
      std::copy_n(from + sourceColumn[x], channels, to + static_cast<std::size_t>(x) * channels);
  }
  return scaled;
}
