// Reading pictures of the formats the toolkit knows (PNG, JPEG, GIF and
// others), for turning them into bitmaps.
#pragma once

#include <optional>

#include <wx/string.h>

#include "bitmaps/BmpWriting.h"

// The picture file's pixels, or nothing when the file cannot be read as a
// picture. A picture with a transparent colour has that colour's pixels
// fully transparent.
std::optional<RgbaPixels> DecodePictureFile(const wxString& path);

// The file chooser's patterns for every picture file that can be read,
// in either letter case.
wxString PictureFilePatterns();
