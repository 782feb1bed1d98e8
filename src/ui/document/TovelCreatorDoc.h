// The document: the tovel's file, its title and the modified flag. The
// tovel itself lives in the process-wide tables.
#pragma once

#include <filesystem>
#include <string>

#include <wx/event.h>
#include <wx/string.h>

#include "editing/EditHistory.h"
#include "model/TovelChange.h"

class wxFrame;

class CTovelCreatorDoc : public wxEvtHandler, public TovelClient {
public:
  explicit CTovelCreatorDoc(wxFrame* frame);

  // The file the tovel was last read from or written to; empty for a tovel
  // that has no file yet. Save decides by this alone.
  const std::filesystem::path& TovelPath() const { return m_tovelPath; }
  void SetTovelPath(const std::filesystem::path& path) { m_tovelPath = path; }

  // "Untitled" for a tovel without a file, else the file's name.
  const wxString& GetTitle() const { return m_title; }
  const std::filesystem::path& GetPathName() const { return m_pathName; }
  // Ties the document to a file: path name and title follow it.
  void SetPathName(const std::filesystem::path& path);

  // Whether the tables differ from those last opened, made new or saved.
  bool IsModified() const { return m_modified; }
  // Marks the tovel modified, or takes the tables in place as saved.
  void Modify(bool modified);

  // The steps Undo and Redo take. Every edit of the tables is recorded as
  // one; the flag above follows from it, and from tables put in place
  // from it (PutInPlace).
  EditHistory& History() { return m_history; }
  // The tables in place were just opened or made new: nothing to undo,
  // nothing modified.
  void StartHistory();

  void TovelChanged(const TovelChange& change) override;

  // Starts an untitled tovel: no file, title "Untitled", not modified. The
  // tables are left alone.
  void OnNewDocument();

  // Asks "Save changes to ...?" when the tovel is modified; returns whether
  // the caller may go on (saved, or the user chose not to save).
  bool SaveModified();

  // Writes the tables to a file and ties the document to it. A failure is
  // reported to the user and leaves the document as it was.
  bool WriteTovel(const std::filesystem::path& path);

  // The save-file dialog's answer, or an empty path when cancelled. Its one
  // filter, with the given caption, lists every file: tovels have no
  // extension.
  std::filesystem::path AskSavePath(const wxString& title, const wxString& defaultName,
                                    const wxString& filterCaption);

private:
  void OnSave(wxCommandEvent& event);
  void OnSaveAs(wxCommandEvent& event);
  // The Acorn and Macintosh exports (ExportCommands.cpp): they write the
  // tovel in another form and leave the document as it was.
  void OnSaveAcorn(wxCommandEvent& event);
  void OnSaveMacintosh(wxCommandEvent& event);
  void WriteExport(const std::filesystem::path& path, const std::string& bytes);
  void DoSaveAs();
  void UpdateFrameTitle();

  wxFrame* m_frame;
  std::filesystem::path m_tovelPath;
  std::filesystem::path m_pathName;
  wxString m_title;
  bool m_modified = false;
  EditHistory m_history;

  wxDECLARE_EVENT_TABLE();
};
