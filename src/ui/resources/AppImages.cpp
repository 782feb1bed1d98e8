#include "resources/AppImages.h"

#include <array>

#include <wx/icon.h>

#include "resources/PaletteImage.h"
#include "resources/TitlePicture.h"
#include "resources/ToolbarImages.h"
#include "resources/ToolbarLayout.h"

namespace {

// The image a built-in picture stands for; an invalid image if its data do
// not fit its size.
wxImage MakeImage(const PaletteImage& picture)
{
  const std::size_t pixels = static_cast<std::size_t>(picture.Width) * picture.Height;
  if (picture.Width <= 0 || picture.Height <= 0 || picture.Pixels.size() != pixels) return {};
  std::array<std::array<unsigned char, 3>, 256> colours{};
  for (std::size_t i = 0; i + 4 <= picture.Palette.size(); i += 4) {
    auto& colour = colours[static_cast<unsigned char>(picture.Palette[i])];
    for (std::size_t c = 0; c < 3; ++c)
      colour[c] = static_cast<unsigned char>(picture.Palette[i + 1 + c]);
  }
  wxImage image(picture.Width, picture.Height, false);
  unsigned char* out = image.GetData();
  for (const char pixel : picture.Pixels) {
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

wxImage TitlePicture()
{
  return MakeImage(TitlePictureImage);
}

wxSize TitlePictureSize()
{
  return {TitlePictureImage.Width, TitlePictureImage.Height};
}
