// What the Item Properties window does to the current item: the fields it
// reads, the repaint after an edit, sizing an item to its pictures, and the
// texts an item can hold.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "editing/Geometry.h"
#include "model/Tovel.h"

// The value of a coordinate field: its text read as a signed decimal number,
// blanks around it allowed; text that is not such a number ("12ab", "ab12"),
// an empty field or a sign alone give 0. A number beyond the range of int
// gives the nearest int.
int CoordinateFieldValue(std::string_view text);

// What a coordinate field shows once its value is stored: the text as
// typed, or for a number beyond the range of int, the value stored.
std::string CoordinateFieldText(std::string_view text);

// The width and height of the largest of the item's pictures: the slots
// named by its four Contents entries whose leading number is 0 to 19 and
// below bitmapCount. 0 x 0 when there is none.
Point LargestPictureSize(const TovelItem& item, const std::array<BitmapSlot, MaxBitmaps>& images,
                         int bitmapCount);

// Sizes the item to its largest picture, keeping its bottom-left corner:
// Right := Left + width, Top := Bottom - height.
void FitItemToPictures(TovelItem& item, const std::array<BitmapSlot, MaxBitmaps>& images,
                       int bitmapCount);

// Why the tovel file could not hold the item once changed from `before` to
// `after`, or nothing when it can: its line would grow beyond the longest
// line the file holds. A change that does not lengthen the line is always
// allowed, so a line that is too long already can still be shortened.
std::optional<std::string> ItemChangeProblem(const TovelItem& before, const TovelItem& after);

// Why newText cannot become the item's text (Contents entry 0), in words for
// the user, or nothing when it can: it holds a comma, a semicolon, a line
// break or a NUL character, or it would make the item's line too long (by
// the rule of ItemChangeProblem).
std::optional<std::string> ItemTextProblem(const TovelItem& item, std::string_view newText);
