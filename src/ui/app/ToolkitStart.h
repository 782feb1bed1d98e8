// Starting wxWidgets for the runs that need a display: the editor and
// --render.
#pragma once

#include <string>

// Initialises wxWidgets for the application object already given to
// wxApp::SetInstance, passing it only the program's name (argv[0] and
// nullptr, kept alive by the caller until wxEntryCleanup). Returns false
// when no display can be opened, having printed
// "tovelcreator: cannot open the display (is DISPLAY set?)" on standard
// error; the caller then ends with exit status 1. After true, the caller
// ends with wxEntryCleanup.
bool StartToolkit(int& argc, char** argv);

#ifdef __WXGTK__
// Gives an environment variable a value for as long as it lives, unless it
// is already set, in which case it leaves it alone; on going, it removes
// the variable again if it set it.
class EnvironmentDefault {
public:
  EnvironmentDefault(const char* name, const char* value);
  ~EnvironmentDefault();
  EnvironmentDefault(const EnvironmentDefault&) = delete;
  EnvironmentDefault& operator=(const EnvironmentDefault&) = delete;

private:
  std::string m_name;
  bool m_set;
};
#endif
