// Stretching a picture to the size it is shown at, as the tovel view and the
// previews show pictures.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "bitmaps/Picture.h"
#include "editing/Geometry.h"

// One part of the picture stretched to newWidth x newHeight by nearest
// neighbour: pixel (x, y) of the stretched picture is pixel (x * Width /
// newWidth, y * Height / newHeight) of the picture, so a whole-number
// factor repeats every pixel exactly factor by factor times. The part is
// given in the stretched picture's pixels and must lie inside it; its
// colours are written to rgb as rows of part.Width() * 3 bytes, top down.
// Only the part is worked out, whatever the size of the whole. Returns
// false, writing nothing, for a part that is empty or reaches outside, or
// an rgb too small to hold it.
bool StretchPart(const Picture& picture, int newWidth, int newHeight, const Rect& part,
                 std::span<std::uint8_t> rgb);

// The whole picture at newWidth x newHeight, smoothed for small previews:
// each pixel is the average of up to 4 x 4 pixels spread evenly over the
// area of the picture it covers, so that the work follows the size shown,
// not the picture's. Empty for sizes that are not positive.
std::vector<std::uint8_t> ScaleSmooth(const Picture& picture, int newWidth, int newHeight);
