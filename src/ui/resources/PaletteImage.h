// A picture built into the program as one byte per pixel, each byte
// standing for a colour of the picture's palette: making an image of it is a
// table lookup, with nothing to parse. tools/make_images.py and
// tools/make_title.py write them.
#pragma once

#include <string_view>

struct PaletteImage {
  int Width;
  int Height;
  // Four bytes per colour: the pixel byte that stands for it, then its red,
  // green and blue.
  std::string_view Palette;
  // Width * Height pixel bytes, the rows from the top.
  std::string_view Pixels;
  // The pixel byte of see-through pixels, or -1 when there are none. Its
  // palette colour is one the picture uses nowhere else, and becomes the
  // image's mask colour.
  int Transparent = -1;
};
