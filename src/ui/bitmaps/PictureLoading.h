// Pictures decoded by wxWidgets for the bitmap slots.
#pragma once

#include <cstdint>

#include <wx/bitmap.h>

#include "bitmaps/Picture.h"

class WxPicture : public Picture {
public:
  explicit WxPicture(const wxBitmap& bitmap) : m_bitmap(bitmap), m_serial(++s_lastSerial) {}
  const wxBitmap& GetBitmap() const { return m_bitmap; }
  // A number no other picture of this run has: tells a reloaded picture
  // from the one it replaced.
  std::uint64_t Serial() const { return m_serial; }

private:
  wxBitmap m_bitmap;
  std::uint64_t m_serial;
  static inline std::uint64_t s_lastSerial = 0;
};

// The loaded picture of a slot, or nullptr when the slot shows nothing.
const WxPicture* SlotPicture(int slot);

// The loaded wxBitmap of a slot, or nullptr when the slot shows nothing.
const wxBitmap* SlotBitmap(int slot);

// The slot's picture stretched to a size, kept until the slot is reloaded
// so that painting does not stretch it again; nullptr when the slot shows
// nothing. Smooth stretching suits small previews, blocky stretching shows
// the pixels as the control program does.
const wxBitmap* SlotBitmapScaled(int slot, wxSize size, bool smooth);

// Lets the bitmap slots decode their files with wxWidgets.
void InstallPictureDecoder();
