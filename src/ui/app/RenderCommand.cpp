// tovelcreator --render: the tovel's page as a PNG picture.
#include <iostream>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/log.h>

#include "app/CommandLine.h"
#include "app/ToolkitStart.h"
#include "bitmaps/PictureLoading.h"
#include "editing/TovelPainter.h"
#include "editing/ViewGeometry.h"
#include "model/Tovel.h"

int RunRender(const CommandLine& line, int, char** argv)
{
  wxApp::SetInstance(new wxApp);
  int toolkitArgc = 1;
  char* toolkitArgv[] = {argv[0], nullptr};
  if (!StartToolkit(toolkitArgc, toolkitArgv)) return 1;
  InstallPictureDecoder();
  int status = 0;
  if (!LoadTovelForBatch(line))
    status = 1;
  else {
    wxBitmap page(PageWidth * line.zoom, PageHeight * line.zoom, 24);
    {
      wxMemoryDC dc(page);
      TovelPainter(line.zoom, line.labels).PaintPage(dc, wxPoint(0, 0));
    }
    wxLogNull quiet; // the failure is reported below, in the program's words
    const wxString output = wxString::FromUTF8(line.output);
    if (!page.ConvertToImage().SaveFile(output, wxBITMAP_TYPE_PNG)) {
      std::cerr << "The picture could not be written to " << line.output << ".\n";
      status = 1;
    }
  }
  ResetTovel();
  wxEntryCleanup();
  return status;
}
