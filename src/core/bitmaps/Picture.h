// A loaded picture, kept as compactly as the file keeps it, and the palette
// made for it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

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

// Where a picture's pixels lie in its bytes and what they mean.
struct PixelLayout {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 8;       // 1, 4 or 8 (colour indexes), 16, 24 or 32
  std::size_t TopRow = 0;     // offset of the top row's first byte
  std::ptrdiff_t RowStep = 0; // from one row to the row below it; negative when stored bottom-up
  // Red, green and blue in a 16- or 32-bit pixel. A 24-bit pixel is blue,
  // green, red, as BMP files store it.
  std::array<std::uint32_t, 3> Masks{};
  // The colours of the indexes; an index past the end shows black.
  std::vector<PaletteEntry> Colours;
};

// The pixels of a picture in the form its file stores them, one to four
// bytes or less per pixel, never widened: a picture costs the memory its
// file does. Pixels are turned into colours only where they are shown.
class Picture {
public:
  // A picture of the bytes as the layout describes them, which are taken
  // over, not copied; null when the layout does not fit them.
  static std::unique_ptr<Picture> Create(std::vector<std::uint8_t> bytes, PixelLayout layout);

  // A picture of plain red, green, blue bytes, rows from the top down.
  static std::unique_ptr<Picture> FromRgb(int width, int height, std::span<const std::uint8_t> rgb);

  int Width() const { return m_layout.Width; }
  int Height() const { return m_layout.Height; }
  // A number no other picture of this run has: tells a reloaded picture
  // from the one it replaced.
  std::uint64_t Serial() const { return m_serial; }
  // The memory the pixels take.
  std::size_t ByteCount() const { return m_bytes.capacity(); }

  // The colours of row y (0 = top) at the given columns (each 0..Width-1),
  // written to rgb as red, green, blue: three bytes per column.
  void ReadRow(int y, std::span<const int> columns, std::uint8_t* rgb) const;

private:
  Picture(std::vector<std::uint8_t> bytes, PixelLayout layout);

  std::vector<std::uint8_t> m_bytes;
  PixelLayout m_layout;
  std::array<std::array<std::uint8_t, 3>, 256> m_colours{};
  std::uint64_t m_serial;
};
