// Where the tovel view puts the page and each item, at zoom 1 to 4.
#pragma once

#include "editing/Geometry.h"
#include "model/Tovel.h"

constexpr int PageWidth = 400;
constexpr int PageHeight = 320;
constexpr int MinZoom = 1;
constexpr int MaxZoom = 4;
// Text items use a font whose characters are this many pixels high, times
// the zoom.
constexpr int TextHeight = 14;

// The page's top-left corner in a client area of the given size: centred
// when the client area is larger than the page, at 0 otherwise.
Point PageOriginFor(int clientWidth, int clientHeight, int zoom);

// Whether an item is drawn at all: its State is not negative, it is not a
// hidden label, and its rectangle is not turned inside out.
bool ItemIsDrawn(const TovelItem& item, bool labelsShown);

// The item's rectangle on screen.
Rect ItemScreenRect(const TovelItem& item, int zoom, Point origin);

// The slot whose picture a picture item shows now, or -1 for none: the
// leading number of its shown entry, when that names a slot in use.
int ShownPictureSlot(const TovelItem& item, int bitmapCount);

// Where a picture of width x height is drawn for the item: its own size
// times the zoom, its bottom-left corner at the item's bottom-left corner.
Rect PictureScreenRect(const TovelItem& item, int width, int height, int zoom, Point origin);

// Everything the item paints on screen: its rectangle when filled or a
// text, and its picture.
Rect ItemPaintedRect(const TovelItem& item, int bitmapCount, int zoom, Point origin);

// Whether the view brings the item up to date at once, before anything
// else is painted: a visible fast-redraw item showing a picture.
bool CanRedrawDirectly(const TovelItem& item);
