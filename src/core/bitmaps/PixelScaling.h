// Stretching a picture's pixels by repeating them, as the tovel view shows
// pictures at higher zooms.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Scales rows of `channels` bytes per pixel to newWidth x newHeight by
// nearest neighbour: pixel (x, y) of the result is pixel (x * width /
// newWidth, y * height / newHeight) of the source. A whole-number factor
// thus repeats every pixel exactly factor by factor times. Sizes that are
// not positive give an empty result.
std::vector<std::uint8_t> ScaleNearest(std::span<const std::uint8_t> pixels, int width, int height,
                                       int channels, int newWidth, int newHeight);
