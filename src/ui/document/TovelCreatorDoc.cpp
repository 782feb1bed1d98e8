#include "document/TovelCreatorDoc.h"

#include <wx/filedlg.h>
#include <wx/frame.h>

#include "app/Messages.h"
#include "model/TovelFile.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "resources/ResourceIds.h"

namespace {

const wxString UntitledTitle = "Untitled";

wxString FromPath(const std::filesystem::path& path)
{
  return wxString::FromUTF8(platform::Utf8FromPath(path));
}

} // namespace

CTovelCreatorDoc::CTovelCreatorDoc(wxFrame* frame) : m_frame(frame), m_title(UntitledTitle) {}

void CTovelCreatorDoc::SetPathName(const std::filesystem::path& path)
{
  m_pathName = path;
  m_title = wxString::FromUTF8(platform::DisplayPath(path.filename()));
  UpdateFrameTitle();
}

void CTovelCreatorDoc::Modify(bool modified)
{
  if (!modified) m_history.MarkSaved(TheTovel);
  m_modified = modified;
}

void CTovelCreatorDoc::StartHistory()
{
  m_history.Reset(TheTovel);
  m_modified = false;
}

void CTovelCreatorDoc::TovelChanged(const TovelChange& change)
{
  if (change.IsEdit()) {
    m_history.Record(change.StepName(), TheTovel, change.Run);
    m_modified = m_history.IsModified(TheTovel);
  } else if (change.What != TovelChange::Replaced) {
    // A selection or a preview: not a step, but it ends a run of steps.
    m_history.EndRun();
    m_history.NoteUnsaved(TheTovel);
  }
}

void CTovelCreatorDoc::OnNewDocument()
{
  m_pathName.clear();
  m_title = UntitledTitle;
  m_tovelPath.clear();
  StartHistory();
  UpdateFrameTitle();
}

void CTovelCreatorDoc::UpdateFrameTitle()
{
  if (m_frame) m_frame->SetTitle(m_title + " - " + messages::AppTitle());
}

bool CTovelCreatorDoc::SaveModified()
{
  if (!m_modified) return true;
  const int answer = messages::Show(m_frame, wxString::Format("Save changes to %s?", m_title),
                                    messages::AppTitle(), wxYES_NO | wxCANCEL);
  if (answer == wxID_CANCEL) return false;
  if (answer == wxID_NO) return true;

  // Save to the tovel's own file when it has one that can be written,
  // otherwise ask where to save first.
  std::filesystem::path target = m_tovelPath;
  if (platform::IsWriteProtected(target)) target.clear();
  if (target.empty()) {
    target = AskSavePath("Save As", m_title, "Tovel Files (*.*)");
    if (target.empty()) return false;
  }
  return WriteTovel(target);
}

bool CTovelCreatorDoc::WriteTovel(const std::filesystem::path& path)
{
  if (auto error = ::WriteTovel(path)) {
    messages::ShowFileError(m_frame, wxString::FromUTF8(*error));
    return false;
  }
  m_tovelPath = path;
  SetPathName(path);
  Modify(false);
  return true;
}

std::filesystem::path CTovelCreatorDoc::AskSavePath(const wxString& title,
                                                    const wxString& defaultName,
                                                    const wxString& filterCaption)
{
  // "*.*" lists every file on Windows, but only dotted names in the GTK
  // chooser, which would hide the tovels: "*" lists every file on both.
  wxFileDialog dialog(m_frame, title, FromPath(platform::NativePath(TovelsFolder)), defaultName,
                      filterCaption + "|*", wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return {};
  wxString path = dialog.GetPath();
  // GTK's chooser does not know a path that was set while it was never
  // shown (as when a dialog is answered by a script); the dialog still does.
  if (path.empty()) path = dialog.wxFileDialogBase::GetPath();
  return platform::PathFromUtf8(path.utf8_string());
}

void CTovelCreatorDoc::OnSave(wxCommandEvent&)
{
  if (m_tovelPath.empty())
    DoSaveAs();
  else
    WriteTovel(m_tovelPath);
}

void CTovelCreatorDoc::OnSaveAs(wxCommandEvent&)
{
  DoSaveAs();
}

void CTovelCreatorDoc::DoSaveAs()
{
  const auto path = AskSavePath("Save Tovel As", "MyTovel", "Tovel files (*.*)");
  if (!path.empty()) WriteTovel(path);
}

// clang-format off
wxBEGIN_EVENT_TABLE(CTovelCreatorDoc, wxEvtHandler)
  EVT_MENU(ids::FileSave, CTovelCreatorDoc::OnSave)
  EVT_MENU(ids::FileSaveAs, CTovelCreatorDoc::OnSaveAs)
  EVT_MENU(ids::SaveAcorn, CTovelCreatorDoc::OnSaveAcorn)
  EVT_MENU(ids::SaveMacintosh, CTovelCreatorDoc::OnSaveMacintosh)
wxEND_EVENT_TABLE()
