// The program's pictures: the toolbar images, the application icon and the
// title picture.
#pragma once

#include <vector>

#include <wx/bitmap.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

// The toolbar's images in button order, cut from the small (16 x 15) or
// the large (24 x 23) strip.
std::vector<wxBitmap> ToolbarImages(bool large);

// The application icon in its 32 x 32 and 16 x 16 forms.
wxIconBundle AppIcons();

// Rows [top, top + rows) of the title picture of the splash and About
// windows, 502 x 302, made anew for each call: nothing keeps them once a
// window has drawn its own copy. An invalid image for rows outside it.
wxImage TitlePictureRows(int top, int rows);
// Its size, known without making it.
wxSize TitlePictureSize();
