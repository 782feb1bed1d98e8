// The process-wide tables that hold the one open tovel.
//
// Every part of the program reads and writes these tables in place. The
// saved part of a tovel lives in one TovelTables object so that a file can
// be read into fresh tables and installed with one assignment once the read
// has succeeded; the familiar names (ItemTable, ItemCount, ...) refer to the
// members of that one object.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "bitmaps/Picture.h"

constexpr int MaxItems = 30;
constexpr int MaxBitmaps = 20;
constexpr int InputCount = 8;
constexpr int OutputCount = 8;
constexpr int ValueCount = 4;
constexpr int MotorCount = 4;
constexpr int VariableCount = 8;

// Flag bits of TovelItem::Flags.
constexpr int FlagClickable = 0x01;
constexpr int FlagText = 0x02;
constexpr int FlagAutoOff = 0x04;
constexpr int FlagFilled = 0x08;
constexpr int FlagLabel = 0x10;
constexpr int FlagYellow = 0x20;
constexpr int FlagFastRedraw = 0x40;

// One rectangular item of a tovel. Strings hold Windows-1252 bytes exactly
// as the tovel file holds them.
struct TovelItem {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Flags = 0;
  int State = 0; // 0..3 = the Contents entry shown; -1 hides the item
  std::array<std::string, 4> Contents;

  bool operator==(const TovelItem&) const = default;
};

// Everything a tovel file stores, plus the selection.
struct TovelTables {
  std::array<TovelItem, MaxItems> ItemTable;
  int ItemCount = 0;
  int CurrentItem = -1;
  std::array<std::string, MaxBitmaps> BitmapNames; // empty = no name
  int BitmapCount = 0;
  int InputLinks[InputCount][3] = {};
  int OutputLinks[OutputCount][3] = {};
  int ValueLinks[ValueCount][2] = {};
  int MotorLinks[MotorCount][4] = {};
  int VariableLinks[VariableCount] = {};

  bool operator==(const TovelTables&) const = default;

  // Sets every connection entry to -1 (none).
  void ClearLinks();
};

// The loaded form of one bitmap name: the picture, its palette and size.
struct BitmapSlot {
  std::unique_ptr<Picture> Bitmap; // none when the file could not be read
  std::unique_ptr<ColourPalette> Palette;
  int Width = 0;
  int Height = 0;

  // Releases picture and palette; Width and Height stay as they are.
  void Release();
};

// The one open tovel and its loaded pictures.
extern TovelTables TheTovel;
extern std::array<BitmapSlot, MaxBitmaps> BitmapImages;
// The folder in which tovel files and their bitmap folders live, in the
// form the settings file gives it (Windows-style or native, Windows-1252).
extern std::string TovelsFolder;

inline auto& ItemTable = TheTovel.ItemTable;
inline int& ItemCount = TheTovel.ItemCount;
inline int& CurrentItem = TheTovel.CurrentItem;
inline auto& BitmapNames = TheTovel.BitmapNames;
inline int& BitmapCount = TheTovel.BitmapCount;
inline auto& InputLinks = TheTovel.InputLinks;
inline auto& OutputLinks = TheTovel.OutputLinks;
inline auto& ValueLinks = TheTovel.ValueLinks;
inline auto& MotorLinks = TheTovel.MotorLinks;
inline auto& VariableLinks = TheTovel.VariableLinks;

// Empties the tables: no items, no bitmaps, no selection, every link -1,
// every picture released. ItemTable slots keep their old contents.
void ResetTovel();
