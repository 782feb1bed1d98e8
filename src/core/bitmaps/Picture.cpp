#include "bitmaps/Picture.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <utility>

namespace {

std::uint64_t NextSerial()
{
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

// One colour channel of a packed pixel: a channel narrower than 8 bits is
// shifted up (5 bits of 31 give 248), a wider one keeps its highest 8 bits,
// a mask of 0 gives 0. Bits outside the masks (alpha, padding) are ignored,
// as Windows ignores them when it draws the picture.
class Channel {
public:
  explicit Channel(std::uint32_t mask) : m_mask(mask)
  {
    if (mask == 0) return;
    m_shift = std::countr_zero(mask);
    m_bits = std::bit_width(mask >> m_shift);
  }

  std::uint8_t Of(std::uint32_t pixel) const
  {
    if (m_mask == 0) return 0;
    const std::uint32_t value = (pixel & m_mask) >> m_shift;
    return static_cast<std::uint8_t>(m_bits >= 8 ? value >> (m_bits - 8) : value << (8 - m_bits));
  }

private:
  std::uint32_t m_mask;
  int m_shift = 0;
  int m_bits = 0;
};

template <typename IndexOf>
void ReadIndexed(std::span<const int> columns,
                 const std::array<std::array<std::uint8_t, 3>, 256>& colours, std::uint8_t* rgb,
                 IndexOf indexOf)
{
  for (const int x : columns) {
    const auto& colour = colours[indexOf(x)];
    *rgb++ = colour[0];
    *rgb++ = colour[1];
    *rgb++ = colour[2];
  }
}

template <typename WordOf>
void ReadPacked(std::span<const int> columns, const std::array<std::uint32_t, 3>& masks,
                std::uint8_t* rgb, WordOf wordOf)
{
  const Channel red(masks[0]);
  const Channel green(masks[1]);
  const Channel blue(masks[2]);
  for (const int x : columns) {
    const std::uint32_t pixel = wordOf(x);
    *rgb++ = red.Of(pixel);
    *rgb++ = green.Of(pixel);
    *rgb++ = blue.Of(pixel);
  }
}

} // namespace

Picture::Picture(std::vector<std::uint8_t> bytes, PixelLayout layout)
    : m_bytes(std::move(bytes)), m_layout(std::move(layout)), m_serial(NextSerial())
{
  const std::size_t count = std::min<std::size_t>(m_layout.Colours.size(), m_colours.size());
  for (std::size_t i = 0; i < count; ++i) {
    const PaletteEntry& entry = m_layout.Colours[i];
    m_colours[i] = {entry.Red, entry.Green, entry.Blue};
  }
  m_layout.Colours.clear();
  m_layout.Colours.shrink_to_fit();
}

std::unique_ptr<Picture> Picture::FromRgb(int width, int height, std::span<const std::uint8_t> rgb)
{
  if (width <= 0 || height <= 0) return nullptr;
  const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  if (rgb.size() < pixels * 3) return nullptr;
  std::vector<std::uint8_t> stored(pixels * 3);
  for (std::size_t i = 0; i < pixels; ++i) {
    stored[i * 3] = rgb[i * 3 + 2];
    stored[i * 3 + 1] = rgb[i * 3 + 1];
    stored[i * 3 + 2] = rgb[i * 3];
  }
  PixelLayout layout{.Width = width,
                     .Height = height,
                     .BitsPerPixel = 24,
                     .TopRow = 0,
                     .RowStep = static_cast<std::ptrdiff_t>(width) * 3,
                     .Masks = {},
                     .Colours = {}};
  return Create(std::move(stored), std::move(layout));
}

namespace {

// Whether every row the layout names lies inside a buffer of that size.
bool Fits(const PixelLayout& layout, std::size_t byteCount)
{
  const int bits = layout.BitsPerPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (layout.Width <= 0 || layout.Height <= 0) return false;
  const std::uint64_t rowBytes =
      (static_cast<std::uint64_t>(layout.Width) * static_cast<std::uint64_t>(layout.BitsPerPixel) +
       7) /
      8;
  const std::uint64_t step = layout.RowStep < 0 ? static_cast<std::uint64_t>(-layout.RowStep)
                                                : static_cast<std::uint64_t>(layout.RowStep);
  if (step < rowBytes && layout.Height > 1) return false;
  const std::uint64_t span = step * static_cast<std::uint64_t>(layout.Height - 1);
  // Bottom-up rows lie before the top row, top-down rows after it.
  if (layout.RowStep < 0) return layout.TopRow >= span && layout.TopRow + rowBytes <= byteCount;
  return layout.TopRow + span + rowBytes <= byteCount;
}

} // namespace

std::unique_ptr<Picture> Picture::Create(std::vector<std::uint8_t> bytes, PixelLayout layout)
{
  if (!Fits(layout, bytes.size())) return nullptr;
  return std::unique_ptr<Picture>(new Picture(std::move(bytes), std::move(layout)));
}

void Picture::ReadRow(int y, std::span<const int> columns, std::uint8_t* rgb) const
{
  const std::uint8_t* row = m_bytes.data() + static_cast<std::ptrdiff_t>(m_layout.TopRow) +
                            static_cast<std::ptrdiff_t>(y) * m_layout.RowStep;
  const auto at = [](int x) { return static_cast<std::size_t>(x); };
  switch (m_layout.BitsPerPixel) {
  case 1:
    ReadIndexed(columns, m_colours, rgb,
                [&](int x) { return (row[at(x) / 8] >> (7 - at(x) % 8)) & 1; });
    break;
  case 4:
    ReadIndexed(columns, m_colours, rgb,
                [&](int x) { return (row[at(x) / 2] >> (x % 2 ? 0 : 4)) & 15; });
    break;
  case 8:
    ReadIndexed(columns, m_colours, rgb, [&](int x) { return row[at(x)]; });
    break;
  case 16:
    ReadPacked(columns, m_layout.Masks, rgb, [&](int x) {
      const std::uint8_t* p = row + at(x) * 2;
      return static_cast<std::uint32_t>(p[0] | p[1] << 8);
    });
    break;
  case 24:
    for (const int x : columns) {
      const std::uint8_t* p = row + at(x) * 3;
      *rgb++ = p[2];
      *rgb++ = p[1];
      *rgb++ = p[0];
    }
    break;
  case 32:
    ReadPacked(columns, m_layout.Masks, rgb, [&](int x) {
      const std::uint8_t* p = row + at(x) * 4;
      return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
             static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    });
    break;
  default:
    std::fill_n(rgb, columns.size() * 3, std::uint8_t{0});
    break;
  }
}
