// The document's export commands: the tovel written in the Acorn and the
// Macintosh form. Neither changes the tovel, its file, title or modified
// flag.
#include <wx/frame.h>

#include "app/Messages.h"
#include "document/AcornDetailsDialog.h"
#include "document/TovelCreatorDoc.h"
#include "model/AcornTovel.h"
#include "model/MacTovel.h"
#include "platform/FileIo.h"

namespace {

const wxString ExportFilter = "Tovel files (*.*)";

} // namespace

void CTovelCreatorDoc::OnSaveAcorn(wxCommandEvent&)
{
  const auto path = AskSavePath("Save Acorn Tovel As", "ArcTovel", ExportFilter);
  if (path.empty()) return;

  // The sprites usually sit in a directory named after the tovel.
  const wxString directory =
      m_tovelPath.empty() ? wxString()
                          : wxString::FromUTF8(platform::DisplayPath(m_tovelPath.filename()));
  CAcornDetailsDialog details(m_frame, directory);
  if (details.ShowModal() != wxID_OK) return;
  WriteExport(path, FormatAcornTovel(TheTovel, details.SpritesDirectory(), details.SpritesSize()));
}

void CTovelCreatorDoc::OnSaveMacintosh(wxCommandEvent&)
{
  const auto path = AskSavePath("Save Macintosh Tovel As", "MacTovel", ExportFilter);
  if (path.empty()) return;
  WriteExport(path, FormatMacTovel(TheTovel, BitmapImages));
}

void CTovelCreatorDoc::WriteExport(const std::filesystem::path& path, const std::string& bytes)
{
  if (auto error = platform::WriteFileSafely(path, bytes))
    messages::ShowFileError(m_frame, wxString::FromUTF8(*error));
}
