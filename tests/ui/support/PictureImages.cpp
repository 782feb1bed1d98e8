#include "support/PictureImages.h"

#include <span>

#include "bitmaps/PixelScaling.h"

std::unique_ptr<Picture> PictureOf(const wxImage& image)
{
  const auto bytes = static_cast<std::size_t>(image.GetWidth()) * image.GetHeight() * 3;
  return Picture::FromRgb(image.GetWidth(), image.GetHeight(), {image.GetData(), bytes});
}

wxImage ImageOf(const Picture& picture)
{
  wxImage image(picture.Width(), picture.Height(), false);
  const auto bytes = static_cast<std::size_t>(picture.Width()) * picture.Height() * 3;
  StretchPart(picture, picture.Width(), picture.Height(), {0, 0, picture.Width(), picture.Height()},
              {image.GetData(), bytes});
  return image;
}
