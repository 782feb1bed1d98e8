#include "bitmaps/PixelScaling.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr int MaxSamples = 4;

// The source index of position `at` of `count` stretched over `size`.
int Nearest(std::int64_t at, int size, int count)
{
  return static_cast<int>(at * size / count);
}

} // namespace

bool StretchPart(const Picture& picture, int newWidth, int newHeight, const Rect& part,
                 std::span<std::uint8_t> rgb)
{
  if (part.IsEmpty() || part.Left < 0 || part.Top < 0 || part.Right > newWidth ||
      part.Bottom > newHeight)
    return false;
  const auto rowBytes = static_cast<std::size_t>(part.Width()) * 3;
  if (rgb.size() / rowBytes < static_cast<std::size_t>(part.Height())) return false;

  // Where each column of the part comes from, worked out once.
  std::vector<int> columns(static_cast<std::size_t>(part.Width()));
  for (std::size_t i = 0; i < columns.size(); ++i)
    columns[i] = Nearest(part.Left + static_cast<std::int64_t>(i), picture.Width(), newWidth);
  int lastRow = -1;
  std::uint8_t* out = rgb.data();
  for (int y = part.Top; y < part.Bottom; ++y, out += rowBytes) {
    const int row = Nearest(y, picture.Height(), newHeight);
    // A row that repeats the one above is copied rather than read again.
    if (row == lastRow)
      std::copy_n(out - rowBytes, rowBytes, out);
    else
      picture.ReadRow(row, columns, out);
    lastRow = row;
  }
  return true;
}

std::vector<std::uint8_t> ScaleSmooth(const Picture& picture, int newWidth, int newHeight)
{
  if (newWidth <= 0 || newHeight <= 0) return {};
  // The samples of pixel i of count: evenly inside the part of the picture
  // it covers, one at its centre when it covers one pixel or less.
  const auto samples = [](int size, int count) {
    const int perPixel = std::clamp((size + count - 1) / count, 1, MaxSamples);
    std::vector<int> at(static_cast<std::size_t>(count) * perPixel);
    for (int i = 0; i < count; ++i)
      for (int k = 0; k < perPixel; ++k) {
        const std::int64_t twice = 2 * (std::int64_t{i} * perPixel + k) + 1;
        at[static_cast<std::size_t>(i) * perPixel + k] =
            static_cast<int>(twice * size / (2 * std::int64_t{count} * perPixel));
      }
    return std::pair(perPixel, at);
  };
  const auto [across, columns] = samples(picture.Width(), newWidth);
  const auto [down, rows] = samples(picture.Height(), newHeight);

  const auto width = static_cast<std::size_t>(newWidth);
  std::vector<std::uint8_t> result(width * static_cast<std::size_t>(newHeight) * 3);
  std::vector<std::uint8_t> line(columns.size() * 3);
  std::vector<unsigned> sums(width * 3);
  const unsigned perPixel = static_cast<unsigned>(across * down);
  for (int y = 0; y < newHeight; ++y) {
    std::fill(sums.begin(), sums.end(), 0u);
    for (int k = 0; k < down; ++k) {
      picture.ReadRow(rows[static_cast<std::size_t>(y) * down + k], columns, line.data());
      for (std::size_t x = 0; x < width; ++x)
        for (int s = 0; s < across; ++s)
          for (std::size_t c = 0; c < 3; ++c) sums[x * 3 + c] += line[(x * across + s) * 3 + c];
    }
    std::uint8_t* out = result.data() + static_cast<std::size_t>(y) * width * 3;
    for (std::size_t i = 0; i < sums.size(); ++i)
      out[i] = static_cast<std::uint8_t>((sums[i] + perPixel / 2) / perPixel);
  }
  return result;
}
