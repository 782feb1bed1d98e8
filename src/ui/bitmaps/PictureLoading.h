// Pictures decoded by wxWidgets for the bitmap slots.
#pragma once

#include <wx/bitmap.h>

#include "bitmaps/Picture.h"

class WxPicture : public Picture {
public:
  explicit WxPicture(const wxBitmap& bitmap) : m_bitmap(bitmap) {}
  const wxBitmap& GetBitmap() const { return m_bitmap; }

private:
  wxBitmap m_bitmap;
};

// The loaded wxBitmap of a slot, or nullptr when the slot shows nothing.
const wxBitmap* SlotBitmap(int slot);

// Lets the bitmap slots decode their files with wxWidgets.
void InstallPictureDecoder();
