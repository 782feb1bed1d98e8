#include "model/MacTovel.h"

#include <algorithm>

#include "model/TovelFile.h"

std::string MacintoshName(const std::string& bitmapName)
{
  constexpr std::size_t extension = 4;
  if (bitmapName.size() <= extension) return {};
  std::string name = bitmapName.substr(0, bitmapName.size() - extension);
  if (const auto slash = name.find('\\'); slash != std::string::npos) name[slash] = ':';
  return name;
}

std::string FormatMacTovel(const TovelTables& tables,
                           const std::array<BitmapSlot, MaxBitmaps>& images)
{
  const int itemCount = std::clamp(tables.ItemCount, 0, MaxItems);
  const int bitmapCount = std::clamp(tables.BitmapCount, 0, MaxBitmaps);
  std::string out = std::to_string(itemCount) + ";" + std::to_string(bitmapCount) + ";\r";
  for (int i = 0; i < bitmapCount; ++i) {
    out += MacintoshName(tables.BitmapNames[i]) + "," + std::to_string(images[i].Width) + "," +
           std::to_string(images[i].Height) + ";\r";
  }
  for (int slot = 0; slot < itemCount; ++slot) out += FormatItemLine(tables.ItemTable[slot], "\r");
  out += FormatLinkLines(tables, "\r");
  return out;
}
