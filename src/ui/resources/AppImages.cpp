#include "resources/AppImages.h"

#include <wx/icon.h>
#include <wx/image.h>

#include "resources/ToolbarImages.h"
#include "resources/ToolbarLayout.h"

namespace {

wxBitmap BlankImage(const wxSize& size)
{
  wxImage blank(size); // black, and black is see-through
  blank.SetMaskColour(0, 0, 0);
  return wxBitmap(blank);
}

} // namespace

std::vector<wxBitmap> ToolbarImages(bool large)
{
  const wxSize size = large ? LargeToolImageSize : SmallToolImageSize;
  const wxBitmap strip(large ? ToolbarLargeXpm : ToolbarSmallXpm);
  std::vector<wxBitmap> images;
  images.reserve(ToolbarButtonCount);
  for (int i = 0; i < ToolbarButtonCount; ++i) {
    const wxRect cell(i * size.x, 0, size.x, size.y);
    // A strip too small for its buttons leaves the missing ones blank
    // rather than failing.
    if (strip.IsOk() && cell.GetRight() < strip.GetWidth() && cell.GetBottom() < strip.GetHeight())
      images.push_back(strip.GetSubBitmap(cell));
    else
      images.push_back(BlankImage(size));
  }
  return images;
}

wxIconBundle AppIcons()
{
  wxIconBundle icons;
  icons.AddIcon(wxIcon(AppIconXpm));
  icons.AddIcon(wxIcon(AppIconSmallXpm));
  return icons;
}
