#include "app/ToolkitStart.h"

#include <iostream>

#include <wx/init.h>
#include <wx/log.h>

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

namespace {

// GTK lays text out with Pango, whose font map reads the system's font
// configuration on a thread of its own once the map is made. Made here,
// before the first window, that reading (several milliseconds) runs while
// the toolkit makes the splash window, instead of holding up the first
// measurement of the menu bar's text. It is the same map the toolkit
// takes for this thread later. The function is looked up rather than
// linked, since wxWidgets does not bring Pango's headers; where it is
// missing, only the head start is lost.
void StartReadingFonts()
{
#ifdef __WXGTK__
  using FontMapGetter = void* (*)();
  if (auto getFontMap =
          reinterpret_cast<FontMapGetter>(dlsym(RTLD_DEFAULT, "pango_cairo_font_map_get_default")))
    getFontMap();
#endif
}

} // namespace

bool StartToolkit(int& argc, char** argv)
{
  bool started = false;
  {
    // wxWidgets would add a complaint of its own, in other words.
    wxLogNull quiet;
    started = wxEntryStart(argc, argv);
  }
  if (!started)
    std::cerr << "tovelcreator: cannot open the display (is DISPLAY set?)\n";
  else
    StartReadingFonts();
  return started;
}
