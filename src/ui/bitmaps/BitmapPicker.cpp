#include "bitmaps/BitmapPicker.h"

#include "app/ModelText.h"
#include "bitmaps/BitmapSet.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "editing/ItemOperations.h"
#include "model/LeadingNumber.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"

wxString PictureButtonCaption(const std::string& reference)
{
  const int slot = LeadingNumber(reference);
  if (slot < 0 || slot >= MaxBitmaps || slot >= BitmapCount) return "BMP...";
  return ToWx(BitmapShortName(BitmapNames[static_cast<std::size_t>(slot)]));
}

std::optional<std::string> PickPicture(wxWindow* parent, int currentSlot)
{
  CChooseBitmapDialog dialog(parent, false, currentSlot);
  const int result = dialog.ShowModal();
  // Add and Remove change the tovel whatever the dialog ends with.
  if (dialog.BitmapsChanged()) AnnounceTovelChange({TovelChange::Bitmaps});
  if (result == ChooseBitmapNone) return std::string("-1");
  if (result >= ChooseBitmapFirstSlot && result < ChooseBitmapFirstSlot + MaxBitmaps)
    return std::to_string(result - ChooseBitmapFirstSlot);
  return std::nullopt;
}

bool PickHeldPicture(wxWindow* parent, std::array<std::string, 4>& pictures, std::size_t index)
{
  if (index >= pictures.size()) return false;
  const auto names = PictureNames(pictures, TheTovel);
  const auto picked = PickPicture(parent, PictureSlotOfReference(pictures[index]));
  FollowPictureNames(pictures, names, TheTovel);
  if (picked) pictures[index] = *picked;
  return picked.has_value();
}
