// Turning the pixels of a BMP file into a picture.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "bitmaps/BmpHeader.h"
#include "bitmaps/Picture.h"

// The picture of a whole BMP file whose header ReadBmpHeader gave as info,
// bottom-up or top-down alike. The file's bytes are taken over: an
// uncompressed picture keeps its rows where the file has them, so it costs
// no more memory than the file. A run-length picture is expanded to one
// byte per pixel; pixels its runs skip show the table's first colour. Null when the file holds
// fewer pixels than the picture needs or its runs end before the picture
// does.
std::unique_ptr<Picture> DecodeBmp(std::vector<std::uint8_t> file, const BmpInfo& info);
