// The main window: menu, the two panes in a splitter, and the commands
// that the document and the views do not handle.
#pragma once

#include <filesystem>

#include <wx/frame.h>

class wxSplitterWindow;
class CTovelCreatorDoc;
class CObjectsView;
class CTovelView;

class CMainFrame : public wxFrame {
public:
  CMainFrame();
  ~CMainFrame() override;

  CTovelCreatorDoc* GetDocument() const { return m_doc; }
  CTovelView* GetTovelView() const { return m_tovelView; }
  CObjectsView* GetObjectsView() const { return m_objectsView; }
  wxSplitterWindow* GetSplitter() const { return m_splitter; }

  // Reads a tovel file and makes it the open tovel: pictures loaded, panes
  // repainted, the document tied to the file. A file that cannot be read is
  // reported and leaves the open tovel as it was.
  bool ReadTovel(const std::filesystem::path& path);

  // Opens a file named on the command line or dropped on the window: asks
  // to save changes first, then reads it.
  bool OpenTovelFile(const std::filesystem::path& path);

  // Reloads every bitmap in use and repaints the whole window.
  void RefreshBitmaps();

  // Resets the item list's scroll extent after ItemCount changed.
  void UpdateItemListExtent();

private:
  void CreateMenuBar();
  void CreatePanes();
  // Tells the user which bitmap files could not be read.
  void ReportBitmapProblems(const std::vector<std::string>& problems);

  // Document commands.
  void OnNew(wxCommandEvent& event);
  void OnOpen(wxCommandEvent& event);
  void OnSetTovelsDirectory(wxCommandEvent& event);
  // Bitmap commands.
  void OnRefreshBitmaps(wxCommandEvent& event);

  void OnClose(wxCloseEvent& event);

  CTovelCreatorDoc* m_doc;
  wxSplitterWindow* m_splitter = nullptr;
  CObjectsView* m_objectsView = nullptr;
  CTovelView* m_tovelView = nullptr;
  bool m_largeIcons = false;

  wxDECLARE_EVENT_TABLE();
};
