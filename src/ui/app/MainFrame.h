// The main window: menu, the two panes in a splitter, and the commands
// that the document and the views do not handle.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <wx/frame.h>

#include "editing/CommandRules.h"

struct CopiedItem;
struct TovelTables;
class wxSplitterWindow;
class wxToolBar;
class CTovelCreatorDoc;
class CObjectsView;
class CTovelView;
class CItemPropertiesWindow;
class CTryPanel;

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

  // Makes item k current: the panes and the Item Properties window follow.
  void SelectItem(int k);

  // The Item Properties window: created hidden on first use, shown by the
  // Properties command, hidden when a tovel is opened.
  CItemPropertiesWindow* GetPropertiesWindow() const { return m_propertiesWindow; }
  void ShowPropertiesWindow();
  void HidePropertiesWindow();

  // The toolbar's image and button sizes as the program sets them (the
  // platform may draw the buttons a little larger), and whether it shows
  // the large images.
  wxSize ToolBitmapSize() const { return m_toolBitmapSize; }
  wxSize ToolButtonSize() const { return m_toolButtonSize; }
  bool IsLargeIcons() const { return m_largeIcons; }
  // Switches the toolbar to its large or small images; the panes move to
  // make room.
  void SetLargeIcons(bool large);

  // What the command enabling rules look at, as it is now. Whether the
  // clipboard holds an item is asked only when `asked` is Paste.
  EditorState CurrentEditorState(std::optional<EditorCommand> asked = std::nullopt) const;

  // The pane that F6 (forward) or Shift+F6 moves the keyboard focus to from
  // the given window: the other pane. From a window outside both panes,
  // F6 goes to the item list and Shift+F6 to the tovel view.
  wxWindow* PaneAfter(wxWindow* focus, bool forward) const;

  // Puts tables from the edit history in place (an undo or redo): the
  // pictures follow the bitmap names, and every window is brought up to
  // date.
  void PutInPlace(const TovelTables& tables);

  // Trying the tovel (TryCommands.cpp): the window plays the control
  // program's part, and nothing can be edited until the mode ends. Ending
  // it gives every item back the state it showed before.
  bool IsTrying() const { return m_tryPanel != nullptr; }
  CTryPanel* GetTryPanel() const { return m_tryPanel; }
  void StartTrying();
  void StopTrying();

private:
  void CreateMenuBar();
  void CreatePanes();
  void CreateMainToolBar();
  // Puts the buttons on the toolbar with the images of the current size.
  void FillToolBar();
  void BindCommandStates();
  // Tells the user which bitmap files could not be read.
  void ReportBitmapProblems(const std::vector<std::string>& problems);

  // Document commands.
  void OnNew(wxCommandEvent& event);
  void OnOpen(wxCommandEvent& event);
  void OnSetTovelsDirectory(wxCommandEvent& event);
  // Bitmap commands.
  void OnRefreshBitmaps(wxCommandEvent& event);
  void OnChooseBitmaps(wxCommandEvent& event);
  // Item commands.
  void OnZoomIn(wxCommandEvent& event);
  void OnZoomOut(wxCommandEvent& event);
  void OnShowLabels(wxCommandEvent& event);
  void OnProperties(wxCommandEvent& event);
  void OnErase(wxCommandEvent& event);
  void OnMoveUp(wxCommandEvent& event);
  void OnMoveDown(wxCommandEvent& event);
  void OnNewItem(wxCommandEvent& event);
  // Edit commands (EditCommands.cpp).
  void OnUndo(wxCommandEvent& event);
  void OnRedo(wxCommandEvent& event);
  void OnCut(wxCommandEvent& event);
  void OnCopy(wxCommandEvent& event);
  void OnPaste(wxCommandEvent& event);
  void OnDuplicate(wxCommandEvent& event);
  // Appends a copied item: says why when the bitmap set has no room.
  void Paste(const CopiedItem& copied, const char* step);
  // Connection commands.
  void OnNewInput(wxCommandEvent& event);
  void OnNewOutput(wxCommandEvent& event);
  void OnNewValue(wxCommandEvent& event);
  void OnNewMotor(wxCommandEvent& event);
  void OnNewVariable(wxCommandEvent& event);
  void OnSetConnections(wxCommandEvent& event);
  // Try mode: F5 enters and leaves it.
  void OnTryTovel(wxCommandEvent& event);
  // Toolbar and keys.
  void OnLargeIcons(wxCommandEvent& event);
  void OnUpdateCommand(wxUpdateUIEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnNextPane(wxCommandEvent& event);
  void OnPrevPane(wxCommandEvent& event);

  void OnClose(wxCloseEvent& event);

  CTovelCreatorDoc* m_doc;
  wxSplitterWindow* m_splitter = nullptr;
  CObjectsView* m_objectsView = nullptr;
  CTovelView* m_tovelView = nullptr;
  wxToolBar* m_toolBar = nullptr;
  bool m_largeIcons = false;
  wxSize m_toolBitmapSize;
  wxSize m_toolButtonSize;
  // The modeless Item Properties window: none until the Properties command
  // first opens it.
  CItemPropertiesWindow* m_propertiesWindow = nullptr;
  // The panel of the control program's connections while the tovel is
  // tried; none otherwise.
  CTryPanel* m_tryPanel = nullptr;

  wxDECLARE_EVENT_TABLE();
};
