#include "app/ToolkitStart.h"

#include <iostream>

#include <wx/init.h>
#include <wx/log.h>

bool StartToolkit(int& argc, char** argv)
{
  bool started = false;
  {
    // wxWidgets would add a complaint of its own, in other words.
    wxLogNull quiet;
    started = wxEntryStart(argc, argv);
  }
  if (!started) std::cerr << "tovelcreator: cannot open the display (is DISPLAY set?)\n";
  return started;
}
