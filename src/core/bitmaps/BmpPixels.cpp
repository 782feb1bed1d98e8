#include "bitmaps/BmpPixels.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace {

std::unique_ptr<Picture> DecodeRows(std::vector<std::uint8_t> file, const BmpInfo& info)
{
  const auto stride = (static_cast<std::uint64_t>(info.Width) * info.BitsPerPixel + 31) / 32 * 4;
  const auto height = static_cast<std::uint64_t>(info.Height);
  const std::uint64_t end = std::uint64_t{info.PixelOffset} + stride * height;
  if (end > file.size()) return nullptr;
  // Bytes that follow the pixels are not kept when they are many.
  if (file.size() - end > file.size() / 4) {
    file.resize(static_cast<std::size_t>(end));
    file.shrink_to_fit();
  }
  const std::uint64_t top =
      info.TopDown ? info.PixelOffset : info.PixelOffset + stride * (height - 1);
  const auto step = static_cast<std::ptrdiff_t>(stride);
  PixelLayout layout{.Width = info.Width,
                     .Height = info.Height,
                     .BitsPerPixel = info.BitsPerPixel,
                     .TopRow = static_cast<std::size_t>(top),
                     .RowStep = info.TopDown ? step : -step,
                     .Masks = info.Masks,
                     .Colours = info.ColourTable};
  return Picture::Create(std::move(file), std::move(layout));
}

// Plays the runs of an RLE8 or RLE4 file, bottom row first, handing each
// pixel that lands inside the picture to put(x, row from the bottom,
// index). Gives the number of pixels put, or nullopt when the data ends
// before every pixel has been put and before an end-of-picture mark.
template <typename Put>
std::optional<std::uint64_t> PlayRuns(const std::vector<std::uint8_t>& file, const BmpInfo& info,
                                      Put put)
{
  const bool four = info.Compression == BmpRle4;
  const std::int64_t width = info.Width;
  const std::int64_t height = info.Height;
  std::size_t at = info.PixelOffset;
  std::int64_t x = 0;
  std::int64_t row = 0;
  std::uint64_t count = 0;
  const auto emit = [&](std::uint8_t index) {
    if (x < width && row < height) {
      put(x, row, index);
      ++count;
    }
    ++x;
  };
  const std::uint64_t all = static_cast<std::uint64_t>(width * height);
  const auto cutOff = [&]() { return count == all ? std::optional(count) : std::nullopt; };
  while (row < height) {
    if (at + 2 > file.size()) return cutOff();
    const std::uint8_t first = file[at];
    const std::uint8_t second = file[at + 1];
    at += 2;
    if (first > 0) {
      // A run: one index repeated, or two alternating in a 4-bit file.
      for (int i = 0; i < first; ++i)
        emit(four ? static_cast<std::uint8_t>(i % 2 ? second & 15 : second >> 4) : second);
    } else if (second == 0) {
      x = 0;
      ++row;
    } else if (second == 1) {
      break;
    } else if (second == 2) {
      if (at + 2 > file.size()) return cutOff();
      x += file[at];
      row += file[at + 1];
      at += 2;
    } else {
      // Indexes as they stand, padded to a whole 16-bit word.
      const std::size_t bytes = four ? (second + 1u) / 2 : second;
      if (at + bytes > file.size()) return cutOff();
      for (int i = 0; i < second; ++i)
        emit(four ? static_cast<std::uint8_t>(i % 2 ? file[at + i / 2] & 15 : file[at + i / 2] >> 4)
                  : file[at + i]);
      at += (bytes + 1) / 2 * 2;
    }
  }
  return count;
}

std::unique_ptr<Picture> DecodeRuns(const std::vector<std::uint8_t>& file, const BmpInfo& info)
{
  const auto width = static_cast<std::size_t>(info.Width);
  const auto height = static_cast<std::size_t>(info.Height);
  const std::size_t pixels = width * height;
  // Rows top down.
  const auto offset = [&](std::int64_t x, std::int64_t row) {
    return (height - 1 - static_cast<std::size_t>(row)) * width + static_cast<std::size_t>(x);
  };
  std::vector<std::uint8_t> indexes(pixels);
  const auto count =
      PlayRuns(file, info, [&](std::int64_t x, std::int64_t row, std::uint8_t index) {
        indexes[offset(x, row)] = index;
      });
  if (!count) return nullptr;
  PixelLayout layout{.Width = info.Width,
                     .Height = info.Height,
                     .BitsPerPixel = 8,
                     .TopRow = 0,
                     .RowStep = static_cast<std::ptrdiff_t>(width),
                     .Masks = {},
                     .Colours = info.ColourTable};
  return Picture::Create(std::move(indexes), std::move(layout));
}

} // namespace

std::unique_ptr<Picture> DecodeBmp(std::vector<std::uint8_t> file, const BmpInfo& info)
{
  if (info.Width <= 0 || info.Height <= 0) return nullptr;
  if (info.Compression == BmpRle8 || info.Compression == BmpRle4) return DecodeRuns(file, info);
  return DecodeRows(std::move(file), info);
}
