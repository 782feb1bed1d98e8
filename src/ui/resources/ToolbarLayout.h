// The main window's toolbar: its entries from left to right, and the sizes
// of its images and buttons.
#pragma once

#include <span>

#include <wx/defs.h>
#include <wx/gdicmn.h>

struct ToolbarEntry {
  int Id;             // wxID_SEPARATOR for a separator
  const char* Tip;    // the tool tip shown over the button
  const char* Prompt; // the longer description of the command
  wxItemKind Kind;    // wxITEM_CHECK for a button that shows a checked state
};

// The 25 entries, separators included. The i-th button that is not a
// separator shows image i of the image strips.
std::span<const ToolbarEntry> ToolbarLayout();

// The number of buttons (and of images in each strip).
constexpr int ToolbarButtonCount = 19;

// Images of the small and the large strip.
inline const wxSize SmallToolImageSize(16, 15);
inline const wxSize LargeToolImageSize(24, 23);
// Button sizes: at start, with the large images, and after switching back
// from the large images (one pixel lower than at start).
inline const wxSize StartToolButtonSize(23, 22);
inline const wxSize LargeToolButtonSize(31, 29);
inline const wxSize SmallToolButtonSize(23, 21);
