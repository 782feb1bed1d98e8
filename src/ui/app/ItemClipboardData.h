// Items on the system clipboard: in the program's own form, which carries
// the names of the bitmaps an item shows, and as plain text.
#pragma once

#include <optional>

#include "editing/ItemClipboard.h"

// Puts the item on the clipboard; false when the clipboard could not be
// opened.
bool PutItemOnClipboard(const CopiedItem& copied);

// Whether the clipboard holds an item in the program's own form.
bool ClipboardHoldsItem();

// The item on the clipboard, or nothing when it holds none.
std::optional<CopiedItem> ItemOnClipboard();
