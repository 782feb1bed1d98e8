// The main window's document commands: New, Open, Set Tovels Directory, and
// the opening of a tovel file.
#include <wx/splitter.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "bitmaps/BitmapLoading.h"
#include "document/OpenTovelDialog.h"
#include "document/TovelCreatorDoc.h"
#include "document/TovelsFolderDialog.h"
#include "model/TovelChange.h"
#include "model/TovelFile.h"
#include "platform/Listing.h"
#include "platform/Paths.h"

void CMainFrame::OnNew(wxCommandEvent&)
{
  if (!m_doc->SaveModified()) return;
  StopTrying();
  ResetTovel();
  AnnounceTovelChange({TovelChange::Replaced});
  m_doc->OnNewDocument();
}

void CMainFrame::OnOpen(wxCommandEvent&)
{
  if (!m_doc->SaveModified()) return;
  const auto folder = platform::NativePath(TovelsFolder);
  COpenTovelDialog dialog(this, platform::ListFiles(folder, "*."));
  if (dialog.ShowModal() != wxID_OK) return;
  ReadTovel(folder / platform::PathFromUtf8(dialog.ChosenName()));
}

void CMainFrame::OnSetTovelsDirectory(wxCommandEvent&)
{
  CTovelsFolderDialog dialog(this, TovelsFolder);
  if (dialog.ShowModal() == wxID_OK) TovelsFolder = dialog.Folder();
}

bool CMainFrame::OpenTovelFile(const std::filesystem::path& path)
{
  if (!m_doc->SaveModified()) return false;
  return ReadTovel(path);
}

bool CMainFrame::ReadTovel(const std::filesystem::path& path)
{
  // The states the mode gives back belong to the tovel open now.
  StopTrying();
  if (auto error = ::ReadTovel(path)) {
    messages::ShowFileError(this, wxString::FromUTF8(*error));
    return false;
  }
  const auto problems = LoadAllBitmapSlots();
  AnnounceTovelChange({TovelChange::Replaced});
  m_doc->SetTovelPath(path);
  m_doc->SetPathName(path);
  m_doc->StartHistory();
  HidePropertiesWindow();
  ReportBitmapProblems(problems);
  return true;
}
