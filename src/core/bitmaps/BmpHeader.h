// Checking the headers of BMP files before anything is decoded or allocated.
//
// The reader never trusts a field of the file: every size is computed in
// 64 bits and compared with the bytes actually present, so that a damaged or
// hostile file is refused with a short reason instead of reaching a decoder.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bitmaps/Picture.h"

// Compression values a BMP header may carry.
constexpr std::uint32_t BmpRgb = 0;
constexpr std::uint32_t BmpRle8 = 1;
constexpr std::uint32_t BmpRle4 = 2;
constexpr std::uint32_t BmpBitFields = 3;

// The largest picture accepted: each side and the pixel count.
constexpr int MaxBmpSide = 32768;
constexpr std::int64_t MaxBmpPixels = 64'000'000;

struct BmpInfo {
  int Width = 0;
  int Height = 0; // positive, also for top-down files
  bool TopDown = false;
  int BitsPerPixel = 0; // 1, 4, 8, 16, 24 or 32
  std::uint32_t Compression = BmpRgb;
  std::uint32_t ColoursUsed = 0; // as the header gives it; 0 = not given
  std::uint32_t PixelOffset = 0; // where the pixel data starts in the file
  // Where red, green and blue lie in a 16- or 32-bit pixel: the file's bit
  // masks for BmpBitFields, else 5-5-5 (16 bits) or 8-8-8 (32 bits). Zero
  // for pictures of other depths.
  std::array<std::uint32_t, 3> Masks{};
  // The colour table as stored, as red, green, blue with flags 0. Filled for
  // pictures of up to 8 bits per pixel only, with PaletteColourCount entries.
  std::vector<PaletteEntry> ColourTable;
};

struct BmpReadResult {
  std::optional<BmpInfo> Info;
  std::string Problem; // why Info is empty, e.g. "it is truncated"
};

// How much of the start of a file the headers and colour table can take.
constexpr std::size_t BmpHeaderBytes = 2048;

// Reads and checks the headers of a whole BMP file held in memory.
BmpReadResult ReadBmpHeader(std::span<const std::uint8_t> file);

// The same for a file of fileSize bytes of which only the start is at hand:
// at least its first BmpHeaderBytes, or all of it when it is shorter. The
// pixels are not looked at, only whether the file is long enough to hold
// them.
BmpReadResult ReadBmpHeader(std::span<const std::uint8_t> start, std::uint64_t fileSize);

// The number of colours of the picture's palette: the header's count when
// given, else 2 to the power of the bits per pixel. For 32 bits, or a count
// above the int range, the result is the largest int.
int PaletteColourCount(const BmpInfo& info);

// The palette the picture is shown with: its colour table in table order
// when it has at most 256 colours and at most 8 bits per pixel, otherwise the
// halftone palette (Halftone set, no entries).
ColourPalette MakePalette(const BmpInfo& info);
