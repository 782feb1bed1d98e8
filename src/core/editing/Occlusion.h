// What of an item is left to see under the items drawn after it, so that a
// paint stretches no more of a picture than can be seen.
#pragma once

#include <span>
#include <vector>

#include "editing/Geometry.h"
#include "model/Tovel.h"

// The smallest rectangle holding the part of area that none of covers
// covers; empty when all of it is covered.
Rect UncoveredBounds(const Rect& area, std::span<const Rect> covers);

// What the item paints over everything under it, adding to rects: its box
// when filled and the picture it shows when that is loaded. Texts and
// empty slots hide nothing.
void AddOpaqueRects(const TovelItem& item, int bitmapCount, int zoom, Point origin,
                    std::vector<Rect>& rects);

// What the drawn items of the tovel hide of the items under them, on a
// page at origin and zoom, gathered once for a paint.
class ItemCovers {
public:
  ItemCovers(bool labelsShown, int zoom, Point origin);
  // What the items above item i hide.
  std::span<const Rect> Above(int i) const;

private:
  // Gathered from the top item down, so that those of the items above
  // item i come first: m_above[i] of them.
  std::vector<Rect> m_rects;
  std::vector<std::size_t> m_above;
};
