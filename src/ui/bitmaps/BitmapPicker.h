// Picking one picture for a "BMP..." button.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include <wx/string.h>

class wxWindow;

// The caption of a picture button: the short name of the bitmap that the
// picture reference names (slot 0 to 19 in use), else "BMP...".
wxString PictureButtonCaption(const std::string& reference);

// Runs the Choose Bitmap dialog to pick a picture, starting at the given
// slot (-1 for none). Returns the new picture reference ("-1" or the slot's
// number), or nothing when the user cancelled.
std::optional<std::string> PickPicture(wxWindow* parent, int currentSlot);

// Picks pictures[index] for a dialog that holds its own picture references.
// Add and Remove in the Choose Bitmap dialog renumber the slots whatever it
// ends with, so every reference keeps naming the bitmap it named, or
// becomes "-1" when that bitmap was removed. Returns whether a picture was
// chosen.
bool PickHeldPicture(wxWindow* parent, std::array<std::string, 4>& pictures, std::size_t index);
