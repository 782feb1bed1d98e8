#include "common/BmpMaker.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>

#include "bitmaps/BmpWriting.h"

PaletteEntry TestColour(int i)
{
  return PaletteEntry{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                      static_cast<std::uint8_t>((i * 7) & 0xFF), 0};
}

std::vector<std::uint8_t> MakeBmp(const BmpRecipe& recipe)
{
  std::vector<PaletteEntry> table = recipe.Table;
  if (table.empty() && recipe.Bits <= 8) {
    const int count =
        recipe.ColoursUsed != 0 ? static_cast<int>(recipe.ColoursUsed) : 1 << recipe.Bits;
    for (int i = 0; i < count; ++i) table.push_back(TestColour(i));
  }
  const bool core = recipe.HeaderSize == 12;
  const std::uint32_t entrySize = core ? 3 : 4;
  const std::uint32_t headerSize = static_cast<std::uint32_t>(recipe.HeaderSize);
  const std::uint32_t masks = !core && headerSize == 40 && recipe.Compression == 3 ? 12 : 0;
  const std::uint32_t offset =
      14 + headerSize + masks + static_cast<std::uint32_t>(table.size()) * entrySize;
  const std::uint32_t stride =
      (static_cast<std::uint32_t>(recipe.Width * recipe.Bits) + 31) / 32 * 4;
  const std::uint32_t pixelBytes = recipe.Pixels.empty()
                                       ? stride * static_cast<std::uint32_t>(recipe.Height)
                                       : static_cast<std::uint32_t>(recipe.Pixels.size());

  std::vector<std::uint8_t> out{'B', 'M'};
  PutU32(out, offset + pixelBytes);
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, headerSize);
  if (core) {
    PutU16(out, static_cast<std::uint32_t>(recipe.Width));
    PutU16(out, static_cast<std::uint32_t>(recipe.Height));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(recipe.Bits));
  } else {
    PutU32(out, static_cast<std::uint32_t>(recipe.Width));
    PutU32(out, static_cast<std::uint32_t>(recipe.TopDown ? -recipe.Height : recipe.Height));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(recipe.Bits));
    PutU32(out, recipe.Compression);
    PutU32(out, pixelBytes);
    PutU32(out, 2835);
    PutU32(out, 2835);
    PutU32(out, recipe.ColoursUsed);
    PutU32(out, 0);
    out.resize(14 + headerSize, 0); // the larger header forms: the rest left 0
    if (recipe.Compression == 3) {
      // The masks follow the short header (the offset accounts for them)
      // and fill the first fields after it in the longer ones.
      if (headerSize > 40) out.resize(54);
      for (std::uint32_t mask : recipe.Masks) PutU32(out, mask);
      out.resize(std::max<std::size_t>(out.size(), 14 + headerSize), 0);
    }
  }
  for (const PaletteEntry& entry : table) {
    out.push_back(entry.Blue);
    out.push_back(entry.Green);
    out.push_back(entry.Red);
    if (!core) out.push_back(0);
  }
  if (recipe.Pixels.empty())
    out.resize(out.size() + pixelBytes, 0);
  else
    out.insert(out.end(), recipe.Pixels.begin(), recipe.Pixels.end());
  return out;
}

std::vector<std::uint8_t> StoredPixels(const BmpRecipe& recipe,
                                       const std::vector<std::uint32_t>& words)
{
  const std::size_t width = static_cast<std::size_t>(recipe.Width);
  const std::size_t height = static_cast<std::size_t>(recipe.Height);
  if (words.size() != width * height) throw std::invalid_argument("one word per pixel");
  std::vector<std::uint8_t> bytes;
  for (std::size_t row = 0; row < height; ++row) {
    const std::size_t shown = recipe.TopDown ? row : height - 1 - row;
    for (std::size_t x = 0; x < width; ++x)
      for (int b = 0; b < recipe.Bits / 8; ++b)
        bytes.push_back(static_cast<std::uint8_t>(words[shown * width + x] >> (8 * b)));
    while (bytes.size() % 4 != 0) bytes.push_back(0xAA);
  }
  return bytes;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("could not write " + path.string());
}
