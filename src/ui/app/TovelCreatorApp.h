// The application object.
#pragma once

#include <wx/app.h>

#include "app/CommandLine.h"

class CMainFrame;

class CTovelCreatorApp : public wxApp {
public:
  CTovelCreatorApp();

  // Names, settings and picture decoding shared by the editor and the tests.
  static void ConfigureProcess();

  bool OnInit() override;
  // The command line is ours; wxWidgets' own parser is not used.
  bool OnCmdLineParsed(wxCmdLineParser&) override { return true; }
  void OnInitCmdLine(wxCmdLineParser&) override {}

  void SetCommandLine(const CommandLine& line) { m_commandLine = line; }

private:
  void OnAppExit(wxCommandEvent& event);
  void OnAppAbout(wxCommandEvent& event);

  CommandLine m_commandLine;
};
