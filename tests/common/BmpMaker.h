// Builds BMP files in memory for the bitmap tests.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "bitmaps/Picture.h"

struct BmpRecipe {
  int Width = 8;
  int Height = 8;
  int Bits = 8;
  std::uint32_t ColoursUsed = 0;
  // Written as given; when empty and Bits <= 8, TestColour(i) is written for
  // each of the ColoursUsed (or 2^Bits) entries.
  std::vector<PaletteEntry> Table = {};
  bool TopDown = false;
  std::uint32_t Compression = 0;
  int HeaderSize = 40; // 12 writes the old core header with 3-byte entries
  // Bit masks of a bit-field picture: after the 40-byte header, inside the
  // longer ones.
  std::array<std::uint32_t, 3> Masks = {0xF800, 0x07E0, 0x001F};
  // The pixel bytes as stored; when empty, rows of zeros.
  std::vector<std::uint8_t> Pixels = {};
};

// The distinct colour the maker writes at table index i.
PaletteEntry TestColour(int i);

// A complete BMP: its pixels as given, else every pixel 0 with rows padded
// to 4 bytes.
std::vector<std::uint8_t> MakeBmp(const BmpRecipe& recipe);

// The pixel bytes of a 16- or 32-bit picture of the recipe's size and
// depth: the words given top row first, stored as a file keeps them (little
// endian, rows padded to 4 bytes, bottom row first unless TopDown).
std::vector<std::uint8_t> StoredPixels(const BmpRecipe& recipe,
                                       const std::vector<std::uint32_t>& words);

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
