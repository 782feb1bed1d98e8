// tovelcreator --render: the tovel's page as a PNG picture.
#include <optional>
#include <string>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include "app/CommandLine.h"
#include "app/ToolkitStart.h"
#include "editing/TovelPainter.h"
#include "editing/ViewGeometry.h"
#include "model/Tovel.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "trying/TryState.h"

namespace {

// Draws the page and writes it as a PNG file the way a tovel is saved, so
// that a failed write leaves any earlier picture as it was. Returns the
// exit status.
int WritePage(const CommandLine& line)
{
  // Tried as in the editor: from the start, each setting after the other.
  std::optional<TryState> trying;
  if (!line.settings.empty()) {
    trying.emplace(TheTovel);
    trying->Start();
    for (const TrySetting& setting : line.settings) trying->Apply(setting);
  }
  wxBitmap page(PageWidth * line.zoom, PageHeight * line.zoom, 24);
  {
    wxMemoryDC dc(page);
    TovelPainter painter(line.zoom, line.labels);
    if (trying) painter.ShowTexts(&trying->Texts());
    painter.PaintPage(dc, wxPoint(0, 0));
  }
  wxMemoryOutputStream png;
  {
    wxLogNull quiet; // the failure is reported below, in the program's words
    if (!page.ConvertToImage().SaveFile(png, wxBITMAP_TYPE_PNG)) {
      ReportProblem("the picture could not be made for " + line.output + ".");
      return 1;
    }
  }
  std::string bytes(png.GetLength(), '\0');
  png.CopyTo(bytes.data(), bytes.size());
  if (auto error = platform::WriteFileSafely(platform::PathFromUtf8(line.output), bytes)) {
    ReportProblem(*error);
    return 1;
  }
  return 0;
}

} // namespace

int RunRender(const CommandLine& line, int, char** argv)
{
  wxApp::SetInstance(new wxApp);
  int toolkitArgc = 1;
  char* toolkitArgv[] = {argv[0], nullptr};
  if (!StartToolkit(toolkitArgc, toolkitArgv)) return 1;
  wxImage::AddHandler(new wxPNGHandler);
  const int status = LoadTovelForBatch(line) ? WritePage(line) : 1;
  ResetTovel();
  wxEntryCleanup();
  return status;
}
