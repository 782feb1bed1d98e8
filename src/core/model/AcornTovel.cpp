#include "model/AcornTovel.h"

#include <algorithm>
#include <array>

#include "model/LeadingNumber.h"
#include "model/TovelFile.h"

namespace {

// The number of table slots in use, never more than the tables hold.
int Used(int count, int capacity)
{
  return std::clamp(count, 0, capacity);
}

} // namespace

std::optional<std::string> SpritesDetailsProblem(const std::string& directory,
                                                 const std::string& sizeText, std::uint32_t* size,
                                                 SpritesCheck* failed)
{
  auto fail = [failed](SpritesCheck check, std::string message) {
    if (failed) *failed = check;
    return std::optional<std::string>(std::move(message));
  };
  if (directory.size() > MaxSpritesDirectoryChars)
    return fail(SpritesCheck::DirectoryTooLong, "Please enter no more than " +
                                                    std::to_string(MaxSpritesDirectoryChars) +
                                                    " characters.");
  const bool breaksTheLine = std::any_of(directory.begin(), directory.end(), [](char c) {
    return c == ';' || c == ',' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  });
  if (breaksTheLine)
    return fail(SpritesCheck::DirectorySeparator,
                "The sprites directory cannot hold ';', ',' or control characters: they would "
                "break the first line of the Acorn file.");

  std::size_t digits = 0;
  std::uint64_t value = 0;
  while (digits < sizeText.size() && sizeText[digits] >= '0' && sizeText[digits] <= '9') {
    // Anything beyond the limit is refused anyway; stop growing there.
    if (value <= MaxSpritesSize) value = value * 10 + static_cast<unsigned>(sizeText[digits] - '0');
    ++digits;
  }
  const bool trailingBlanksOnly = sizeText.find_first_not_of(" \t", digits) == std::string::npos;
  if (digits == 0 || !trailingBlanksOnly)
    return fail(SpritesCheck::SizeNotANumber, "Please enter a positive integer.");
  if (value > MaxSpritesSize)
    return fail(SpritesCheck::SizeTooLarge,
                "Please enter an integer between 0 and " + std::to_string(MaxSpritesSize) + ".");
  if (size) *size = static_cast<std::uint32_t>(value);
  return std::nullopt;
}

std::string SpriteName(const std::string& bitmapName)
{
  const auto slash = bitmapName.rfind('\\');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  const auto dot = bitmapName.rfind('.');
  if (dot == std::string::npos || dot < start) return {};
  return bitmapName.substr(start, dot - start);
}

std::string AcornContentsField(const TovelTables& tables, const TovelItem& item,
                               const std::string& entry)
{
  if (entry == "-1") return "0";
  if (item.Flags & FlagText) return entry;
  const int bitmap = LeadingNumber(entry);
  if (bitmap >= 0 && bitmap < Used(tables.BitmapCount, MaxBitmaps))
    return SpriteName(tables.BitmapNames[bitmap]);
  return "0";
}

std::string FormatAcornTovel(const TovelTables& tables, const std::string& spritesDirectory,
                             std::uint32_t spritesSize)
{
  const int itemCount = Used(tables.ItemCount, MaxItems);
  std::string out = spritesDirectory + ";" + std::to_string(itemCount) + ";" +
                    std::to_string(spritesSize) + ";\n";
  for (int slot = 0; slot < itemCount; ++slot) {
    const TovelItem& item = tables.ItemTable[slot];
    // Half-pixel units with y growing upwards from the top edge: the
    // bottom-left corner first, then the top-right corner.
    const std::array<std::int64_t, 5> numbers = {
        2 * std::int64_t{item.Left}, -2 * std::int64_t{item.Bottom}, 2 * std::int64_t{item.Right},
        -2 * std::int64_t{item.Top}, item.Flags};
    std::array<std::string, 4> fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
      fields[i] = AcornContentsField(tables, item, item.Contents[i]);
    out += FormatItemLine(numbers, fields, "\n");
  }
  out += FormatLinkLines(tables, "\n");
  return out;
}
