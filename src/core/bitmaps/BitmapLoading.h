// Loading the bitmap files a tovel names into the process-wide bitmap slots.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "bitmaps/BmpHeader.h"
#include "bitmaps/Picture.h"

// The largest bitmap file that is read at all.
constexpr std::uint64_t MaxBitmapFileBytes = 64ull * 1024 * 1024;

// Turns the bytes of a BMP file whose header has been checked into a
// platform picture; gives null when the pixels cannot be decoded. The
// windows layer installs one at start-up. Without a decoder (command-line
// use) slots get sizes and palettes but no picture.
using PictureDecoder = std::function<std::unique_ptr<Picture>(std::span<const std::uint8_t> file,
                                                              const BmpInfo& info)>;

// Installs the decoder used from now on; an empty function removes it.
void SetPictureDecoder(PictureDecoder decoder);

// Loads the file named by BitmapNames[slot], found in TovelsFolder, into
// BitmapImages[slot]. The file is read and its header checked before the
// slot's old picture and palette are released. On success the slot holds the
// decoded picture (when a decoder is installed), the palette and the size,
// and *problem is emptied. When the file cannot be used the slot holds no
// picture, no palette and a size of 0 x 0, the name stays, and *problem
// becomes a sentence naming the file and the reason. A file whose header is
// sound but whose pixels the decoder refuses (a cut-off run-length file)
// keeps the header's size and palette without a picture, and is reported:
// the size a slot gets never depends on the decoder, so the editor and the
// command line, which decodes nothing, write the same sizes into the
// Macintosh form. Returns false only for a slot outside 0..MaxBitmaps-1,
// which changes nothing.
bool LoadBitmapSlot(int slot, std::string* problem = nullptr);

// Loads every slot below BitmapCount and returns one sentence for each file
// that could not be used.
std::vector<std::string> LoadAllBitmapSlots();
