#include "editing/ItemEditing.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>

#include "model/LeadingNumber.h"
#include "model/TovelFile.h"

namespace {

// "1 character", "12 characters".
std::string Characters(std::size_t count)
{
  return std::to_string(count) + (count == 1 ? " character" : " characters");
}

// How many characters the item's line would be beyond the longest line, or
// 0 when the change is allowed.
std::size_t ExcessAfterChange(const TovelItem& before, const TovelItem& after)
{
  const std::size_t length = ItemLineLength(after);
  if (length <= MaxTovelLineChars || length <= ItemLineLength(before)) return 0;
  return length - MaxTovelLineChars;
}

} // namespace

int CoordinateFieldValue(std::string_view text)
{
  // Blanks around the number aside, the whole field must be the number.
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return 0;
  const std::string_view number = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  const std::size_t sign = number.front() == '+' || number.front() == '-' ? 1 : 0;
  if (number.size() == sign) return 0;
  for (std::size_t i = sign; i < number.size(); ++i)
    if (number[i] < '0' || number[i] > '9') return 0;
  return LeadingNumber(number);
}

std::string CoordinateFieldText(std::string_view text)
{
  const int value = CoordinateFieldValue(text);
  if (value != INT_MAX && value != INT_MIN) return std::string(text);
  // The ends of int typed exactly stay as typed.
  const auto first = text.find_first_not_of(" \t+");
  const auto last = text.find_last_not_of(" \t");
  std::int64_t typed = 0;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  const auto [stop, error] = std::from_chars(begin, end, typed);
  if (error == std::errc() && stop == end && typed == value) return std::string(text);
  return std::to_string(value);
}

Point LargestPictureSize(const TovelItem& item, const std::array<BitmapSlot, MaxBitmaps>& images,
                         int bitmapCount)
{
  Point size;
  const int slots = std::clamp(bitmapCount, 0, MaxBitmaps);
  for (const std::string& entry : item.Contents) {
    const int slot = LeadingNumber(entry);
    if (slot < 0 || slot >= slots) continue;
    size.X = std::max(size.X, images[slot].Width);
    size.Y = std::max(size.Y, images[slot].Height);
  }
  return size;
}

void FitItemToPictures(TovelItem& item, const std::array<BitmapSlot, MaxBitmaps>& images,
                       int bitmapCount)
{
  const Point size = LargestPictureSize(item, images, bitmapCount);
  item.Right = ClampToInt(std::int64_t{item.Left} + size.X);
  item.Top = ClampToInt(std::int64_t{item.Bottom} - size.Y);
}

std::optional<std::string> ItemChangeProblem(const TovelItem& before, const TovelItem& after)
{
  const std::size_t excess = ExcessAfterChange(before, after);
  if (excess == 0) return std::nullopt;
  return "The tovel file could not hold this item any more: its line would be " +
         Characters(excess) + " too long. Please shorten the item's text first.";
}

std::optional<std::string> ItemTextProblem(const TovelItem& item, std::string_view newText)
{
  if (newText.find_first_of(",;") != std::string_view::npos)
    return std::string("An item's text cannot hold a comma (,) or a semicolon (;): "
                       "the tovel file uses them to separate its fields.");
  if (newText.find_first_of("\r\n") != std::string_view::npos)
    return std::string("An item's text must fit on one line.");
  if (newText.find('\0') != std::string_view::npos)
    return std::string("An item's text cannot hold a NUL character.");
  TovelItem changed = item;
  changed.Contents[0] = std::string(newText);
  const std::size_t excess = ExcessAfterChange(item, changed);
  if (excess == 0) return std::nullopt;
  return "This text is too long to be saved in the tovel file. Please make it " +
         Characters(excess) + " shorter.";
}
