// Copying an item and pasting it, also into another tovel: the item
// carries the names of the bitmaps it shows, not their slot numbers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Tovel.h"

// An item as Copy keeps it, and for a picture item the bitmap name each
// picture entry shows (empty where an entry shows none).
struct CopiedItem {
  TovelItem Item;
  std::array<std::string, 4> PictureNames;
  bool operator==(const CopiedItem&) const = default;
};

// Item i of the tables as Copy keeps it.
CopiedItem CopyItem(const TovelTables& tables, int i);

// The clipboard's own form of a copied item: a tovel file that holds the
// one item and the bitmaps it shows, so that it reads back through the
// file's own reader, also in another copy of the program.
std::string ClipboardBytes(const CopiedItem& copied);
// The item that bytes in the clipboard's own form hold; nothing when they
// hold no tovel of exactly one item.
std::optional<CopiedItem> CopiedFromClipboard(std::string_view bytes);
// The item as plain text, for pasting into a text editor: its line as a
// tovel file holds it.
std::string ClipboardText(const CopiedItem& copied);

// How far a pasted item lies right of and below the item copied.
constexpr int PasteOffset = 10;

enum class PasteOutcome {
  Pasted,
  ItemsFull, // the tovel holds MaxItems items
  SetFull,   // the pictures' names would need more than MaxBitmaps bitmaps
};

struct PasteResult {
  PasteOutcome Outcome = PasteOutcome::Pasted;
  int Item = -1; // the new item (Pasted)
  // A sentence for each bitmap added to the set whose file could not be
  // used: the item shows it empty.
  std::vector<std::string> LoadProblems{};
};

// Appends the copied item to the open tovel, PasteOffset pixels right of
// and below where it was, as the current item; no connection names it.
// Each picture name is found in the bitmap set (letter case ignored) or
// added to it (and loaded). When the items or the set are full nothing
// changes.
PasteResult PasteItem(const CopiedItem& copied);
