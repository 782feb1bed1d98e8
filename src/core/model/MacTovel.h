// The tovel in the form the Macintosh edition of the control program reads:
// the native fields with CR line ends, and one line per bitmap carrying its
// Macintosh name and size instead of the names line. The editor writes this
// form but never reads it.
#pragma once

#include <array>
#include <string>

#include "model/Tovel.h"

// The Macintosh name of a bitmap name: the name without its last four
// characters (the ".bmp"; empty when the name is shorter), with its first
// '\' made ':'. Later backslashes stay.
std::string MacintoshName(const std::string& bitmapName);

// The whole Macintosh file: 33 + BitmapCount + ItemCount lines. Each
// bitmap's width and height are taken from its loaded slot in images.
std::string FormatMacTovel(const TovelTables& tables,
                           const std::array<BitmapSlot, MaxBitmaps>& images);
