#include "app/ToolkitStart.h"

#include <iostream>

#include <wx/init.h>
#include <wx/log.h>

#ifdef __WXGTK__
#include <cstdlib>

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

#ifdef __WXGTK__
EnvironmentDefault::EnvironmentDefault(const char* name, const char* value)
    : m_name(name), m_set(std::getenv(name) == nullptr)
{
  if (m_set) setenv(name, value, 0);
}

EnvironmentDefault::~EnvironmentDefault()
{
  if (m_set) unsetenv(m_name.c_str());
}
#endif

bool StartToolkit(int& argc, char** argv)
{
  bool started = false;
  {
#ifdef __WXGTK__
    // GTK's X11 backend probes OpenGL as it opens the display, to offer
    // window formats that OpenGL can draw into, and leaves the answer on
    // the display for the programs after it. The first GTK program on a
    // display pays for loading the OpenGL driver: --render on a fresh
    // virtual display (xvfb-run) took a third longer for it. The editor
    // draws with cairo alone, so GDK_GL=disable leaves the probe out,
    // unless the user has chosen a GDK_GL of their own. GTK reads the
    // variable only here; it is taken away again after, so that programs
    // started from the editor inherit the environment as it was.
    const EnvironmentDefault noOpenGl("GDK_GL", "disable");
#endif
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
