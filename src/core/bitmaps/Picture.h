// Platform-neutral holders for a loaded picture and its palette.
#pragma once

#include <cstdint>
#include <vector>

// A decoded picture. The windows layer derives its own picture type from it;
// the core only owns and releases pictures.
class Picture {
public:
  virtual ~Picture();
};

struct PaletteEntry {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  std::uint8_t Flags = 0;
  bool operator==(const PaletteEntry&) const = default;
};

// The palette made for a picture: its colour table in table order, or the
// general-purpose halftone palette for pictures with more than 256 colours.
struct ColourPalette {
  bool Halftone = false;
  std::vector<PaletteEntry> Entries;
};
