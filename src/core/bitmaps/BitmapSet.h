// The set of bitmaps a tovel uses: adding a name, removing a slot with the
// pictures of every item renumbered, short names for picture buttons, and
// the rules for the names of bitmap folders and files.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/Tovel.h"

// The caption under which a bitmap is shown on a picture button: with a the
// position of the first backslash (-1 when none) and b that of the first
// full stop (-1 when none), everything after a when b - a is less than 2,
// else the b - a - 1 characters after a. "walls\pic.bmp" gives "pic",
// "old.set\pic.bmp" gives "pic.bmp", "a\b\c.bmp" gives "b\c".
std::string BitmapShortName(std::string_view name);

enum class AddBitmapOutcome {
  AlreadyInSet, // a slot holds the name already (letter case ignored)
  Added,        // stored and loaded in a new slot
  SetFull,      // all 20 slots are in use
  Refused,      // the name cannot be stored in a tovel file
};

struct AddBitmapResult {
  AddBitmapOutcome Outcome = AddBitmapOutcome::Refused;
  int Slot = -1;           // the slot that holds the name (AlreadyInSet, Added)
  std::string Reason;      // why the name was refused (Refused)
  std::string LoadProblem; // why the added file shows empty (Added), if it does
};

// Adds a bitmap name (folder\file, relative to TovelsFolder) to the set.
// A name already in the set, ignoring letter case, changes nothing. A new
// name goes into slot BitmapCount, is loaded there, and BitmapCount grows by
// one. Refused: a full set, a name that holds ';', a line break or another
// control character, and a name that would make the tovel file's line of
// names longer than MaxTovelLineChars.
AddBitmapResult AddBitmap(const std::string& name);

// Takes slot k out of the set: later slots move down by one, the freed last
// slot is emptied (no name, no picture, size 0 x 0), and in every picture
// item (FlagText clear) a picture number equal to k becomes "-1" and one
// above k goes down by one. Text items and the connection tables stay as
// they are. Only a slot below BitmapCount is removed; returns whether it was.
bool RemoveBitmap(int k);

// Whether a file or folder name (Windows-1252) can be part of a bitmap name:
// not empty, not "." or "..", and free of '\', '/', ';' and control
// characters. The folder tree lists only such names.
bool UsableInBitmapName(std::string_view modelName);

// Why a name typed for a new bitmap folder (UTF-8) cannot be used, or
// nothing when it can: empty, more than 8 characters, "." or "..", a path
// separator, a character Windows-1252 lacks or one Windows refuses in
// names, or a trailing space or full stop.
std::optional<std::string> NewFolderNameProblem(std::string_view utf8Name);

// Makes the folder utf8Name directly in tovelsFolder after checking the
// name as NewFolderNameProblem does; a folder of that name in any letter
// case counts as existing. Gives the message to show when it fails.
std::optional<std::string> MakeBitmapFolder(const std::filesystem::path& tovelsFolder,
                                            std::string_view utf8Name);

// Why a file (its native name, UTF-8) cannot be copied into a bitmap folder
// under that name, or nothing when it can: the name must end in .bmp (any
// letter case), have a Windows-1252 form and be usable in a bitmap name.
std::optional<std::string> CopiedBitmapNameProblem(std::string_view utf8Name);

// Copies the file source into the bitmap folder `folder` under its own
// name. Nothing is ever replaced: a file or folder of that name in any
// letter case counts as existing (the tovel names the file ignoring case),
// and the copy then fails. Gives the reason on failure.
std::optional<std::string> CopyBitmapIntoFolder(const std::filesystem::path& source,
                                                const std::filesystem::path& folder);

// Whether a file name (UTF-8) ends in .bmp, in any letter case.
bool IsBmpFileName(std::string_view utf8Name);

// The name (UTF-8) a picture of another format takes as a bitmap file: its
// own name up to the last full stop, cut to the 8 characters a bitmap folder
// name may have and without trailing spaces or full stops, then ".bmp";
// "picture.bmp" when nothing is left. "Sunset at sea.png" gives
// "Sunset a.bmp".
std::string ConvertedBitmapName(std::string_view utf8SourceName);

// Why a picture of that size cannot become a bitmap: it is larger than
// the tovel page. Nothing when it fits.
std::optional<std::string> ConvertedPictureProblem(int width, int height);

// Writes a converted picture into the bitmap folder under the name, with
// the copy's rule: nothing is ever replaced, and a file or folder of that
// name in any letter case counts as existing. Gives the reason on failure.
std::optional<std::string> WriteBitmapIntoFolder(std::span<const std::uint8_t> bytes,
                                                 std::string_view utf8Name,
                                                 const std::filesystem::path& folder);

// The order of names (Windows-1252) in the folder tree: the order in which
// the folder listing sorts them (platform::ShownNameLess).
bool BitmapTreeOrder(std::string_view a, std::string_view b);

// The names of the bitmaps that picture references held outside the tables name, ""
// for a reference that names no bitmap in use; taken before the Choose
// Bitmap dialog runs, whose Add and Remove may renumber the slots.
std::array<std::string, 4> PictureNames(const std::array<std::string, 4>& pictures,
                                        const TovelTables& tables);
// Points each picture reference again at the bitmap it named before (by
// the names PictureNames gave): its new slot, or "-1" when the bitmap has
// left the set. A reference that named no bitmap stays as it is.
void FollowPictureNames(std::array<std::string, 4>& pictures,
                        const std::array<std::string, 4>& names, const TovelTables& tables);
