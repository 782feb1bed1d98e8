// Entry point: batch jobs run without a display; everything else starts
// the editor.
#include <wx/app.h>
#include <wx/init.h>

#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "app/ToolkitAsserts.h"
#include "app/ToolkitStart.h"
#include "app/TovelCreatorApp.h"

wxIMPLEMENT_APP_NO_MAIN(CTovelCreatorApp);

int main(int argc, char** argv)
{
  // A failed check inside the toolkit is one line on standard error, never a
  // dialog that stops the program.
  ReportToolkitAsserts();
  const CommandLineParse parse = ParseCommandLine(ProgramArguments(argc, argv));
  // The editor itself prints nothing; its messages are windows.
  if (!parse.error.empty() || parse.line.mode != CommandLine::Mode::Editor) ConnectToConsole();
  if (!parse.error.empty()) return ReportUsageError(parse.error);
  if (parse.line.mode == CommandLine::Mode::Export ||
      parse.line.mode == CommandLine::Mode::Render) {
    if (auto problem = FolderArgumentProblem(parse.line)) {
      ReportProblem(*problem);
      return 1;
    }
  }
  if (parse.line.mode == CommandLine::Mode::Render) return RunRender(parse.line, argc, argv);
  if (parse.line.mode != CommandLine::Mode::Editor) return RunBatch(parse.line);

  auto* app = new CTovelCreatorApp;
  app->SetCommandLine(parse.line);
  wxApp::SetInstance(app);
  int wxArgc = 1;
  char* wxArgv[] = {argv[0], nullptr};
  // The steps of wxEntry, with the display checked first so that its
  // absence gets the program's own message.
  if (!StartToolkit(wxArgc, wxArgv)) return 1;
  int status = 1;
  if (wxTheApp->CallOnInit()) {
    status = wxTheApp->OnRun();
    wxTheApp->OnExit();
  }
  wxEntryCleanup();
  return status;
}
