#include "bitmaps/BmpHeader.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <utility>

namespace {

constexpr std::uint64_t FileHeaderSize = 14;
constexpr std::uint64_t CoreHeaderSize = 12;
constexpr std::uint64_t InfoHeaderSize = 40;
constexpr std::uint64_t BitFieldMasksSize = 12; // after a 40-byte header

std::uint16_t ReadU16(std::span<const std::uint8_t> file, std::size_t at)
{
  return static_cast<std::uint16_t>(file[at] | (file[at + 1] << 8));
}

std::uint32_t ReadU32(std::span<const std::uint8_t> file, std::size_t at)
{
  return static_cast<std::uint32_t>(file[at]) | (static_cast<std::uint32_t>(file[at + 1]) << 8) |
         (static_cast<std::uint32_t>(file[at + 2]) << 16) |
         (static_cast<std::uint32_t>(file[at + 3]) << 24);
}

bool IsKnownHeaderSize(std::uint32_t size)
{
  return size == CoreHeaderSize || size == InfoHeaderSize || size == 52 || size == 56 ||
         size == 108 || size == 124;
}

bool IsKnownBitDepth(std::int64_t bits)
{
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool IsReadableCompression(std::uint32_t compression, std::int64_t bits, bool topDown)
{
  switch (compression) {
  case BmpRgb:
    return true;
  case BmpRle8:
    return bits == 8 && !topDown;
  case BmpRle4:
    return bits == 4 && !topDown;
  case BmpBitFields:
    return bits == 16 || bits == 32;
  default:
    return false;
  }
}

BmpReadResult Refuse(std::string problem)
{
  return BmpReadResult{std::nullopt, std::move(problem)};
}

std::string SizeText(std::int64_t width, std::int64_t height)
{
  return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

} // namespace

BmpReadResult ReadBmpHeader(std::span<const std::uint8_t> file)
{
  return ReadBmpHeader(file, file.size());
}

BmpReadResult ReadBmpHeader(std::span<const std::uint8_t> file, std::uint64_t fileSize)
{
  // Everything read below lies in the first BmpHeaderBytes and inside the
  // file's size.
  if (file.size() < std::min<std::uint64_t>(fileSize, BmpHeaderBytes))
    return Refuse("it could not be read");
  if (fileSize < 2 || file[0] != 'B' || file[1] != 'M') return Refuse("it is not a BMP file");
  if (fileSize < FileHeaderSize + 4) return Refuse("it is truncated");

  const std::uint64_t pixelOffset = ReadU32(file, 10);
  const std::uint32_t headerSize = ReadU32(file, 14);
  if (!IsKnownHeaderSize(headerSize))
    return Refuse("it uses a kind of BMP header this program cannot read");
  if (FileHeaderSize + headerSize > fileSize) return Refuse("it is truncated");

  const bool isCore = headerSize == CoreHeaderSize;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::int64_t planes = 0;
  std::int64_t bits = 0;
  std::uint32_t compression = BmpRgb;
  std::uint32_t coloursUsed = 0;
  if (isCore) {
    width = ReadU16(file, 18);
    height = ReadU16(file, 20);
    planes = ReadU16(file, 22);
    bits = ReadU16(file, 24);
  } else {
    width = static_cast<std::int32_t>(ReadU32(file, 18));
    height = static_cast<std::int32_t>(ReadU32(file, 22));
    planes = ReadU16(file, 26);
    bits = ReadU16(file, 28);
    compression = ReadU32(file, 30);
    coloursUsed = ReadU32(file, 46);
  }

  if (planes != 1) return Refuse("its header is damaged");
  if (!IsKnownBitDepth(bits))
    return Refuse("it uses " + std::to_string(bits) +
                  " bits per pixel, which this program cannot read");

  // Negating in 64 bits keeps a height of INT32_MIN from overflowing.
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height == 0)
    return Refuse("its size of " + SizeText(width, height) + " is not valid");
  if (width > MaxBmpSide || height > MaxBmpSide || width * height > MaxBmpPixels)
    return Refuse("its size of " + SizeText(width, height) + " is too large");
  if (!IsReadableCompression(compression, bits, topDown))
    return Refuse("it uses a compression this program cannot read");

  BmpInfo info;
  info.Width = static_cast<int>(width);
  info.Height = static_cast<int>(height);
  info.TopDown = topDown;
  info.BitsPerPixel = static_cast<int>(bits);
  info.Compression = compression;
  info.ColoursUsed = coloursUsed;
  info.PixelOffset = static_cast<std::uint32_t>(pixelOffset);

  std::uint64_t tableStart = FileHeaderSize + headerSize;
  if (headerSize == InfoHeaderSize && compression == BmpBitFields) {
    tableStart += BitFieldMasksSize;
    if (tableStart > fileSize) return Refuse("it is truncated");
  }
  if (compression == BmpBitFields) {
    // The masks follow the 40-byte header; the longer headers hold them in
    // the same place.
    const std::size_t at = FileHeaderSize + InfoHeaderSize;
    info.Masks = {ReadU32(file, at), ReadU32(file, at + 4), ReadU32(file, at + 8)};
  } else if (bits == 16)
    info.Masks = {0x7C00, 0x03E0, 0x001F};
  else if (bits == 32)
    info.Masks = {0xFF0000, 0x00FF00, 0x0000FF};
  if (bits <= 8) {
    if (coloursUsed > 256)
      return Refuse("it claims " + std::to_string(coloursUsed) +
                    " colours, more than the 256 its pixels can use");
    const std::uint64_t count = static_cast<std::uint64_t>(PaletteColourCount(info));
    const std::uint64_t entrySize = isCore ? 3 : 4;
    if (tableStart + count * entrySize > fileSize) return Refuse("its colour table is cut off");
    info.ColourTable.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::size_t at = static_cast<std::size_t>(tableStart + i * entrySize);
      info.ColourTable.push_back(PaletteEntry{file[at + 2], file[at + 1], file[at], 0});
    }
  }

  if (pixelOffset >= fileSize) return Refuse("it holds no pixel data");
  if (compression == BmpRgb || compression == BmpBitFields) {
    const std::uint64_t stride =
        (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bits) + 31) / 32 * 4;
    if (pixelOffset + stride * static_cast<std::uint64_t>(height) > fileSize)
      return Refuse("it holds fewer pixels than its header promises");
  }
  return BmpReadResult{std::move(info), {}};
}

int PaletteColourCount(const BmpInfo& info)
{
  if (info.ColoursUsed != 0)
    return info.ColoursUsed > static_cast<std::uint32_t>(INT_MAX)
               ? INT_MAX
               : static_cast<int>(info.ColoursUsed);
  if (info.BitsPerPixel <= 0) return 0;
  if (info.BitsPerPixel >= 31) return INT_MAX;
  return 1 << info.BitsPerPixel;
}

ColourPalette MakePalette(const BmpInfo& info)
{
  ColourPalette palette;
  const int count = PaletteColourCount(info);
  if (info.BitsPerPixel > 8 || count > 256) {
    palette.Halftone = true;
    return palette;
  }
  const auto taken = std::min(static_cast<std::size_t>(count), info.ColourTable.size());
  palette.Entries.assign(info.ColourTable.begin(),
                         info.ColourTable.begin() + static_cast<std::ptrdiff_t>(taken));
  for (auto& entry : palette.Entries) entry.Flags = 0;
  return palette;
}
