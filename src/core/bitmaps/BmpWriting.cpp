#include "bitmaps/BmpWriting.h"

#include <cstddef>
#include <unordered_map>

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

namespace {

std::uint32_t Key(const std::uint8_t* rgb)
{
  return std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2];
}

} // namespace

std::vector<std::uint8_t> OverWhite(const RgbaPixels& pixels)
{
  const std::size_t count =
      static_cast<std::size_t>(pixels.Width) * static_cast<std::size_t>(pixels.Height);
  std::vector<std::uint8_t> rgb(count * 3);
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned alpha = pixels.Bytes[i * 4 + 3];
    for (std::size_t c = 0; c < 3; ++c)
      rgb[i * 3 + c] = static_cast<std::uint8_t>(
          (pixels.Bytes[i * 4 + c] * alpha + 255 * (255 - alpha) + 127) / 255);
  }
  return rgb;
}

std::vector<std::uint8_t> EncodeBmp(const RgbaPixels& pixels)
{
  if (pixels.Width <= 0 || pixels.Height <= 0 ||
      pixels.Bytes.size() !=
          static_cast<std::size_t>(pixels.Width) * static_cast<std::size_t>(pixels.Height) * 4)
    return {};
  const std::vector<std::uint8_t> rgb = OverWhite(pixels);

  // The colours in the order they first appear, while there are few enough
  // for a table.
  std::unordered_map<std::uint32_t, std::uint8_t> index;
  std::vector<std::uint32_t> table;
  for (std::size_t i = 0; i < rgb.size() && table.size() <= 256; i += 3) {
    const std::uint32_t key = Key(&rgb[i]);
    if (index.contains(key)) continue;
    if (table.size() < 256) index.emplace(key, static_cast<std::uint8_t>(table.size()));
    table.push_back(key);
  }
  const bool indexed = table.size() <= 256;
  if (!indexed) table.clear();

  const std::uint32_t bits = indexed ? 8 : 24;
  const auto width = static_cast<std::uint32_t>(pixels.Width);
  const auto height = static_cast<std::uint32_t>(pixels.Height);
  const std::uint32_t stride = (width * bits + 31) / 32 * 4;
  const auto offset = static_cast<std::uint32_t>(14 + 40 + table.size() * 4);
  std::vector<std::uint8_t> out{'B', 'M'};
  out.reserve(offset + stride * height);
  PutU32(out, offset + stride * height);
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, 40);
  PutU32(out, width);
  PutU32(out, height);
  PutU16(out, 1);
  PutU16(out, bits);
  PutU32(out, 0); // uncompressed
  PutU32(out, stride * height);
  PutU32(out, 2835); // 72 dots per inch
  PutU32(out, 2835);
  PutU32(out, static_cast<std::uint32_t>(table.size()));
  PutU32(out, 0);
  for (std::uint32_t colour : table) PutU32(out, colour); // blue, green, red, 0

  for (std::uint32_t y = height; y-- > 0;) {
    const std::size_t rowStart = out.size();
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint8_t* pixel = &rgb[(std::size_t{y} * width + x) * 3];
      if (indexed) {
        out.push_back(index.at(Key(pixel)));
      } else {
        out.push_back(pixel[2]);
        out.push_back(pixel[1]);
        out.push_back(pixel[0]);
      }
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}
