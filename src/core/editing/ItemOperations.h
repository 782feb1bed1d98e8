// The table side of the item commands: erasing an item, exchanging two
// neighbours and adding a new label or background. Each keeps the
// connection tables pointing at the same items as before.
#pragma once

#include <string>
#include <string_view>

#include "model/Tovel.h"

// Removes item t: the items after it move down one slot and the connection
// tables are renumbered to match; links to t itself are dropped, and the
// input numbers in the tables stay as they are. The place of the erased
// item stays current: CurrentItem becomes t, which now names the item that
// followed, or -1 when no item followed. The freed last slot keeps its old
// contents. Returns false, changing nothing, when t names no item.
bool EraseItem(TovelTables& tables, int t);
bool EraseItem(int t);

// Exchanges items t and u, all seven fields, and every link to one of them
// in the connection tables; u becomes current, so that the selection
// travels with the item. Returns false, changing nothing, when t or u names
// no item.
bool ExchangeItems(TovelTables& tables, int t, int u);
bool ExchangeItems(int t, int u);

// Adds a new item on top of all others and returns its number: a label
// "New" at (0, 0)-(50, 21), or a background of the whole page at zoom 1
// showing pictureReference. The selection is left as it is. Returns -1,
// changing nothing, when the item table is full.
int AddNewItem(TovelTables& tables, bool background, const std::string& pictureReference);
int AddNewItem(bool background, const std::string& pictureReference);

// The bitmap slot a picture reference names, for preselecting it in the
// Choose Bitmap dialog: its leading number when the text begins with a
// digit and the number is a slot (0 to 19), else -1.
int PictureSlotOfReference(std::string_view reference);
