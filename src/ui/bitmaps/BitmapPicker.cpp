#include "bitmaps/BitmapPicker.h"

#include "app/ModelText.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "model/LeadingNumber.h"
#include "model/Tovel.h"

wxString PictureButtonCaption(const std::string&)
{
  return "BMP...";
}

std::optional<std::string> PickPicture(wxWindow* parent, int currentSlot)
{
  CChooseBitmapDialog dialog(parent, false, currentSlot);
  const int result = dialog.ShowModal();
  if (result == ChooseBitmapNone) return std::string("-1");
  if (result >= ChooseBitmapFirstSlot && result < ChooseBitmapFirstSlot + MaxBitmaps)
    return std::to_string(result - ChooseBitmapFirstSlot);
  return std::nullopt;
}
