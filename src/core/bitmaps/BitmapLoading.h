// Loading the bitmap files a tovel names into the process-wide bitmap slots.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bitmaps/BmpHeader.h"
#include "bitmaps/Picture.h"
#include "model/Tovel.h"

// The largest bitmap file that is read at all.
constexpr std::uint64_t MaxBitmapFileBytes = 64ull * 1024 * 1024;

// How much of a bitmap file is read: all of it, decoded into the slot's
// picture, or only as much as gives the slot its size and palette (the
// Macintosh export needs no more).
enum class BitmapDetail { Pixels, SizeOnly };

// Loads the file named by BitmapNames[slot], found in TovelsFolder, into
// BitmapImages[slot]. The file is read and its header checked before the
// slot's old picture and palette are released. On success the slot holds the
// decoded picture (with BitmapDetail::Pixels), the palette and the size,
// and *problem is emptied. When the file cannot be used the slot holds no
// picture, no palette and a size of 0 x 0, the name stays, and *problem
// becomes a sentence naming the file and the reason. A file whose header is
// sound but whose pixels cannot be decoded (a cut-off run-length file)
// keeps the header's size and palette without a picture, and is reported:
// the size a slot gets never depends on the pixels, so the editor and the
// command line, which reads only the headers, write the same sizes into the
// Macintosh form. Returns false only for a slot outside 0..MaxBitmaps-1,
// which changes nothing.
bool LoadBitmapSlot(int slot, std::string* problem = nullptr,
                    BitmapDetail detail = BitmapDetail::Pixels);

// Loads every slot below BitmapCount and returns one sentence for each file
// that could not be used.
std::vector<std::string> LoadAllBitmapSlots(BitmapDetail detail = BitmapDetail::Pixels);

// After the names of the set changed at once (an undo or redo put other
// tables in place), gives every slot below BitmapCount its picture again:
// a slot whose name was in the set before, as oldNames held it, takes that
// picture over unread; the others are loaded. Slots above the set are
// emptied. Returns one sentence for each file that could not be used.
std::vector<std::string> FollowBitmapNames(const std::array<std::string, MaxBitmaps>& oldNames);
