#include "editing/ItemClipboard.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "bitmaps/BitmapSet.h"
#include "model/LeadingNumber.h"
#include "model/TovelFile.h"
#include "platform/Windows1252.h"

namespace {

bool IsPictureItem(const TovelItem& item)
{
  return (item.Flags & FlagText) == 0;
}

// The slot of the set a name is in (letter case ignored), or -1.
int SlotNamed(const std::string& name)
{
  for (int slot = 0; slot < BitmapCount && slot < MaxBitmaps; ++slot)
    if (platform::EqualsIgnoreCase(BitmapNames[static_cast<std::size_t>(slot)], name)) return slot;
  return -1;
}

} // namespace

CopiedItem CopyItem(const TovelTables& tables, int i)
{
  CopiedItem copied{tables.ItemTable[static_cast<std::size_t>(i)], {}};
  if (!IsPictureItem(copied.Item)) return copied;
  for (std::size_t entry = 0; entry < copied.PictureNames.size(); ++entry) {
    const int slot = LeadingNumber(copied.Item.Contents[entry]);
    if (slot >= 0 && slot < tables.BitmapCount && slot < MaxBitmaps)
      copied.PictureNames[entry] = tables.BitmapNames[static_cast<std::size_t>(slot)];
  }
  return copied;
}

std::string ClipboardBytes(const CopiedItem& copied)
{
  TovelTables tables;
  tables.ClearLinks();
  tables.ItemCount = 1;
  TovelItem& item = tables.ItemTable[0];
  item = copied.Item;
  item.State = 0;
  if (IsPictureItem(item)) {
    for (std::size_t entry = 0; entry < item.Contents.size(); ++entry) {
      const std::string& name = copied.PictureNames[entry];
      if (name.empty()) {
        if (LeadingNumber(item.Contents[entry]) >= 0) item.Contents[entry] = "-1";
        continue;
      }
      int slot = 0;
      while (slot < tables.BitmapCount &&
             tables.BitmapNames[static_cast<std::size_t>(slot)] != name)
        ++slot;
      if (slot == tables.BitmapCount)
        tables.BitmapNames[static_cast<std::size_t>(tables.BitmapCount++)] = name;
      item.Contents[entry] = std::to_string(slot);
    }
  }
  return FormatTovel(tables);
}

std::optional<CopiedItem> CopiedFromClipboard(std::string_view bytes)
{
  const TovelParseResult parsed = ParseTovel(bytes);
  if (!parsed.Tables || parsed.Tables->ItemCount != 1) return std::nullopt;
  return CopyItem(*parsed.Tables, 0);
}

std::string ClipboardText(const CopiedItem& copied)
{
  return FormatItemLine(copied.Item, "\n");
}

PasteResult PasteItem(const CopiedItem& copied)
{
  if (ItemCount >= MaxItems) return {PasteOutcome::ItemsFull};
  PasteResult result{PasteOutcome::Pasted};
  TovelItem item = copied.Item;
  if (IsPictureItem(item)) {
    // Every name the set lacks must fit before any is added.
    std::vector<std::string> missing;
    for (const std::string& name : copied.PictureNames) {
      const bool known = name.empty() || SlotNamed(name) >= 0 ||
                         std::any_of(missing.begin(), missing.end(), [&](const std::string& m) {
                           return platform::EqualsIgnoreCase(m, name);
                         });
      if (!known) missing.push_back(name);
    }
    if (BitmapCount + static_cast<int>(missing.size()) > MaxBitmaps) return {PasteOutcome::SetFull};
    for (std::size_t entry = 0; entry < item.Contents.size(); ++entry) {
      const std::string& name = copied.PictureNames[entry];
      if (name.empty()) {
        // A number that named no bitmap where the item came from must not
        // name one here.
        if (LeadingNumber(item.Contents[entry]) >= 0) item.Contents[entry] = "-1";
        continue;
      }
      AddBitmapResult added = AddBitmap(name);
      item.Contents[entry] = added.Slot >= 0 ? std::to_string(added.Slot) : "-1";
      if (!added.LoadProblem.empty()) result.LoadProblems.push_back(std::move(added.LoadProblem));
    }
  }
  item.State = 0;
  item.Left += PasteOffset;
  item.Right += PasteOffset;
  item.Top += PasteOffset;
  item.Bottom += PasteOffset;
  const int index = ItemCount;
  ItemTable[static_cast<std::size_t>(index)] = item;
  ItemCount = index + 1;
  CurrentItem = index;
  result.Item = index;
  return result;
}
