// Between the slots' pictures and wxImage, for the window tests.
#pragma once

#include <memory>

#include <wx/image.h>

#include "bitmaps/Picture.h"

// A picture holding the image's colours, to put in a bitmap slot.
std::unique_ptr<Picture> PictureOf(const wxImage& image);

// The picture's colours as an image, at its own size.
wxImage ImageOf(const Picture& picture);
