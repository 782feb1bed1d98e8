// The bitmap slots' pictures as the windows draw them: stretched pieces for
// the tovel view and smoothed previews, made from the compact pictures the
// slots keep and kept only while they are in use.
#pragma once

#include <cstddef>

#include <wx/bitmap.h>
#include <wx/gdicmn.h>

#include "bitmaps/Picture.h"

// The loaded picture of a slot, or nullptr when the slot shows nothing.
const Picture* SlotPicture(int slot);

// A piece of a slot's picture stretched to a size: the bitmap and where its
// top left corner lies in the stretched picture.
struct PicturePiece {
  wxBitmap Bitmap;
  wxPoint At;
};

// The piece of the slot's picture stretched to size, by repeating pixels,
// that covers wanted (given in the stretched picture's pixels; the part
// outside it is ignored). One piece is kept per slot: the kept piece is
// given again while it covers what is wanted, so that painting only copies;
// otherwise wanted is made and kept instead, together with the kept part
// when the two together are at most four times wanted (two items showing
// one picture, each partly on screen). So the memory the
// pieces take follows what is on screen, however large the picture or the
// zoom. A drawing context that stretches as it draws is given pieces at the
// picture's own size. nullptr when the slot shows nothing or wanted misses
// the picture.
const PicturePiece* SlotPicturePiece(int slot, wxSize size, const wxRect& wanted);

// The slot's whole picture at a small size, smoothed, for previews; kept
// until the slot is reloaded. nullptr when the slot shows nothing.
const wxBitmap* SlotPreview(int slot, wxSize size);

// Drops every stretched piece and preview kept for painting; the next paint
// makes what it needs again. The tovel view calls it when the zoom changes.
void ReleaseStretchedPictures();

// The pixels the kept pieces and previews hold.
std::size_t StretchedPicturePixels();
