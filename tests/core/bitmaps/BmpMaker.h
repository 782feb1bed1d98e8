// Builds BMP files in memory for the bitmap tests.
#pragma once

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
};

// The distinct colour the maker writes at table index i.
PaletteEntry TestColour(int i);

// A complete BMP with every pixel 0 and rows padded to 4 bytes.
std::vector<std::uint8_t> MakeBmp(const BmpRecipe& recipe);

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
