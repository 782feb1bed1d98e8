// Selecting, dragging and nudging items in the tovel view.
#pragma once

#include <optional>
#include <string>

#include "editing/Geometry.h"
#include "model/Tovel.h"

// The top-most item whose screen area holds the point (scroll-area
// pixels), or -1. Every item takes part, hidden or not; an item without
// width or height covers nothing.
int HitTest(Point p, int zoom, Point origin);

// Where a dragged item lands: the pointer p less the grab offset, in tovel
// pixels (integer division truncating toward zero), keeping the item's
// width and height.
Rect DropPosition(const Rect& dragged, Point p, Point grab, int zoom, Point origin);

// The pointer's distance from the item's top-left corner on screen, taken
// when a drag begins.
Point GrabOffset(const TovelItem& item, Point p, int zoom, Point origin);

enum class ArrowKey { Left, Right, Up, Down };

// Moves the item one tovel pixel, or with Shift moves only its right or
// bottom edge (sizing it).
void ApplyArrowKey(TovelItem& item, ArrowKey key, bool shift);

// Gives item i the rectangle r. Positions and sizes are not limited, but a
// rectangle whose numbers would make the item's line too long for the tovel
// file is refused: the reason is returned and nothing changes.
std::optional<std::string> PlaceItem(TovelTables& tables, int i, const Rect& r);

// Applies an arrow key to item i, refused as PlaceItem refuses.
std::optional<std::string> NudgeItem(TovelTables& tables, int i, ArrowKey key, bool shift);
