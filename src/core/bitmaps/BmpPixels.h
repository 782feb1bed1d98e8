// Decoding the pixels of 16- and 32-bit BMP files, whose colours are packed
// into each pixel by bit masks, into plain red, green and blue bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "bitmaps/BmpHeader.h"

struct RgbPixels {
  int Width = 0;
  int Height = 0;
  // Three bytes (red, green, blue) per pixel, rows from the top down.
  std::vector<std::uint8_t> Rgb;
};

// Whether the picture keeps its colours packed in 16- or 32-bit pixels,
// uncompressed or with bit masks: the kind DecodePackedPixels reads.
bool HasPackedPixels(const BmpInfo& info);

// Decodes a whole BMP file held in memory whose header ReadBmpHeader gave
// as info, bottom-up or top-down alike. Each colour is taken through its
// mask: a channel narrower than 8 bits is shifted up (5 bits of 31 give
// 248), a wider one keeps its highest 8 bits, a mask of 0 gives 0. Bits
// outside the three masks (alpha, padding) are ignored, as Windows ignores
// them when it draws the picture. Gives nullopt for a picture of another
// kind or a file that holds fewer pixel bytes than the picture needs.
std::optional<RgbPixels> DecodePackedPixels(std::span<const std::uint8_t> file,
                                            const BmpInfo& info);
