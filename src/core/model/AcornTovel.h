// The tovel in the form the Acorn edition of the control program reads:
// LF line ends, the sprites directory and size in the first line, doubled
// upward coordinates and sprite names instead of bitmap numbers. The editor
// writes this form but never reads it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/Tovel.h"

// Limits of the two details asked for before an Acorn export.
constexpr std::size_t MaxSpritesDirectoryChars = 10;
constexpr std::uint32_t MaxSpritesSize = 1024000;

// Which details check failed, in the order they are made.
enum class SpritesCheck {
  DirectoryTooLong,   // more than MaxSpritesDirectoryChars characters
  DirectorySeparator, // holds ';', ',' or a control character, which would
                      // break the file's first line
  SizeNotANumber,     // not an unsigned decimal number, for example empty
  SizeTooLarge,       // above MaxSpritesSize
};

// Checks the sprites directory (Windows-1252 bytes, one per character) and
// the size as typed. Returns the message of the first check that fails, and
// sets *failed to that check when given. When all pass, returns nothing and
// sets *size to the size. The size is digits, optionally followed by spaces
// and tabs.
std::optional<std::string> SpritesDetailsProblem(const std::string& directory,
                                                 const std::string& sizeText, std::uint32_t* size,
                                                 SpritesCheck* failed = nullptr);

// The sprite name of a bitmap name: the file name without folder and
// extension, that is the characters after the last '\' and before the last
// '.'. Empty when no '.' follows the last '\'.
std::string SpriteName(const std::string& bitmapName);

// The Acorn field for one Contents entry of an item: "0" for "-1"; a text
// item's text unchanged; for a bitmap item the sprite name of the bitmap the
// entry numbers, or "0" when it numbers no bitmap of the tovel.
std::string AcornContentsField(const TovelTables& tables, const TovelItem& item,
                               const std::string& entry);

// The whole Acorn file: 33 + ItemCount lines.
std::string FormatAcornTovel(const TovelTables& tables, const std::string& spritesDirectory,
                             std::uint32_t spritesSize);
