#include "resources/AppImages.h"

#include <array>

#include <wx/icon.h>

#include "resources/PaletteImage.h"
#include "resources/TitlePicture.h"
#include "resources/ToolbarImages.h"
#include "resources/ToolbarLayout.h"

namespace {

// The image of rows [top, top + rows) of a built-in picture; an invalid
// image if its data do not fit its size or the rows lie outside it.
wxImage MakeImage(const PaletteImage& picture, int top, int rows)
{
  const std::size_t pixels = static_cast<std::size_t>(picture.Width) * picture.Height;
  if (picture.Width <= 0 || picture.Height <= 0 || picture.Pixels.size() != pixels) return {};
  if (top < 0 || rows <= 0 || top + rows > picture.Height) return {};
  std::array<std::array<unsigned char, 3>, 256> colours{};
  for (std::size_t i = 0; i + 4 <= picture.Palette.size(); i += 4) {
    auto& colour = colours[static_cast<unsigned char>(picture.Palette[i])];
    for (std::size_t c = 0; c < 3; ++c)
      colour[c] = static_cast<unsigned char>(picture.Palette[i + 1 + c]);
  }
  wxImage image(picture.Width, rows, false);
  unsigned char* out = image.GetData();
  const std::size_t first = static_cast<std::size_t>(top) * picture.Width;
  for (const char pixel :
       picture.Pixels.substr(first, static_cast<std::size_t>(rows) * picture.Width)) {
    const auto& colour = colours[static_cast<unsigned char>(pixel)];
    *out++ = colour[0];
    *out++ = colour[1];
    *out++ = colour[2];
  }
  if (picture.Transparent >= 0) {
    const auto& mask = colours[static_cast<unsigned char>(picture.Transparent)];
    image.SetMaskColour(mask[0], mask[1], mask[2]);
  }
  return image;
}

wxImage MakeImage(const PaletteImage& picture)
{
  return MakeImage(picture, 0, picture.Height);
}

wxBitmap BlankImage(const wxSize& size)
{
  wxImage blank(size); // black, and black is see-through
  blank.SetMaskColour(0, 0, 0);
  return wxBitmap(blank);
}

wxIcon MakeIcon(const PaletteImage& picture)
{
  wxIcon icon;
  icon.CopyFromBitmap(wxBitmap(MakeImage(picture)));
  return icon;
}

} // namespace

std::vector<wxBitmap> ToolbarImages(bool large)
{
  const wxSize size = large ? LargeToolImageSize : SmallToolImageSize;
  const wxImage strip = MakeImage(large ? ToolbarLargeImage : ToolbarSmallImage);
  std::vector<wxBitmap> images;
  images.reserve(ToolbarButtonCount);
  for (int i = 0; i < ToolbarButtonCount; ++i) {
    const wxRect cell(i * size.x, 0, size.x, size.y);
    // A strip too small for its buttons leaves the missing ones blank
    // rather than failing. Each image is cut from the strip before it
    // becomes a bitmap: a bitmap cut from a bitmap keeps the whole width of
    // the strip's rows in memory.
    if (strip.IsOk() && cell.GetRight() < strip.GetWidth() && cell.GetBottom() < strip.GetHeight())
      images.emplace_back(strip.GetSubImage(cell));
    else
      images.push_back(BlankImage(size));
  }
  return images;
}

wxIconBundle AppIcons()
{
  wxIconBundle icons;
  icons.AddIcon(MakeIcon(AppIconImage));
  icons.AddIcon(MakeIcon(AppIconSmallImage));
  return icons;
}

wxImage TitlePictureRows(int top, int rows)
{
  return MakeImage(TitlePictureImage, top, rows);
}

wxSize TitlePictureSize()
{
  return {TitlePictureImage.Width, TitlePictureImage.Height};
}
