#include "bitmaps/PictureLoading.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include "bitmaps/BitmapLoading.h"
#include "model/Tovel.h"

const WxPicture* SlotPicture(int slot)
{
  if (slot < 0 || slot >= MaxBitmaps) return nullptr;
  return dynamic_cast<const WxPicture*>(BitmapImages[slot].Bitmap.get());
}

const wxBitmap* SlotBitmap(int slot)
{
  const WxPicture* picture = SlotPicture(slot);
  return picture && picture->GetBitmap().IsOk() ? &picture->GetBitmap() : nullptr;
}

void InstallPictureDecoder()
{
  wxInitAllImageHandlers();
  SetPictureDecoder(
      [](std::span<const std::uint8_t> file, const BmpInfo& info) -> std::unique_ptr<Picture> {
        wxMemoryInputStream stream(file.data(), file.size());
        wxImage image;
        {
          wxLogNull quiet; // a bad file is reported once by the caller
          if (!image.LoadFile(stream, wxBITMAP_TYPE_BMP)) return nullptr;
        }
        if (image.GetWidth() != info.Width || image.GetHeight() != info.Height) return nullptr;
        return std::make_unique<WxPicture>(wxBitmap(image));
      });
}
