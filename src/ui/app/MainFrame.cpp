#include "app/MainFrame.h"

#include <wx/dnd.h>
#include <wx/menu.h>
#include <wx/splitter.h>

#include "app/Messages.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"
#include "platform/Paths.h"
#include "resources/AppImages.h"
#include "resources/CommandTable.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int ItemListWidth = 200;

// Opens the first file dropped on the main window.
class TovelDropTarget : public wxFileDropTarget {
public:
  explicit TovelDropTarget(CMainFrame* frame) : m_frame(frame) {}
  bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) override
  {
    if (files.empty()) return false;
    // Open after the drop has finished, so that no question is asked while
    // the drag is still in progress.
    const std::filesystem::path path = platform::PathFromUtf8(files[0].utf8_string());
    m_frame->CallAfter([frame = m_frame, path] { frame->OpenTovelFile(path); });
    return true;
  }

private:
  CMainFrame* m_frame;
};

} // namespace

CMainFrame::CMainFrame()
    : wxFrame(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(1024, 768),
              wxDEFAULT_FRAME_STYLE | wxMAXIMIZE),
      m_doc(new CTovelCreatorDoc(this))
{
  for (auto& name : BitmapNames) name.clear();
  for (auto& slot : BitmapImages) slot.Release();
  ResetTovel();

  PushEventHandler(m_doc);
  SetIcons(AppIcons());
  CreateMenuBar();
  CreateMainToolBar();
  CreatePanes();
  SetAcceleratorTable(MainWindowAccelerators());
  BindCommandStates();
  SetDropTarget(new TovelDropTarget(this));
  m_doc->OnNewDocument();
}

CMainFrame::~CMainFrame()
{
  PopEventHandler(true);
  for (auto& slot : BitmapImages) slot.Release();
  for (auto& name : BitmapNames) name.clear();
}

void CMainFrame::CreateMenuBar()
{
  auto* file = new wxMenu;
  file->Append(ids::FileNew, "&New\tCtrl+N");
  file->Append(ids::SetTovelsDirectory, "Set Tovels Directory...");
  file->AppendSeparator();
  file->Append(ids::FileOpen, "&Open...\tCtrl+O");
  file->Append(ids::FileSave, "&Save\tCtrl+S");
  file->Append(ids::FileSaveAs, "Save &As...");
  file->AppendSeparator();
  file->Append(ids::SaveAcorn, "Save A&corn Tovel file...");
  file->Append(ids::SaveMacintosh, "Save &Macintosh Tovel file...");
  file->AppendSeparator();
  file->Append(ids::AppExit, "E&xit");

  // Undo and Redo name their step as the menu opens (CommandStates.cpp).
  auto* edit = new wxMenu;
  edit->Append(ids::EditUndo, "&Undo\tCtrl+Z", "Take back the last change");
  edit->Append(ids::EditRedo, "&Redo\tCtrl+Y", "Make the change taken back again");
  edit->AppendSeparator();
  edit->Append(ids::EditCut, "Cu&t\tCtrl+X", "Move the current item to the clipboard");
  edit->Append(ids::EditCopy, "&Copy\tCtrl+C", "Copy the current item to the clipboard");
  edit->Append(ids::EditPaste, "&Paste\tCtrl+V", "Add the item on the clipboard to the tovel");
  edit->Append(ids::Duplicate, "&Duplicate\tCtrl+D", "Add a copy of the current item");
  edit->Append(ids::EditDelete, "De&lete\tDel", "Erase the current item");
  edit->AppendSeparator();
  edit->Append(ids::NewItem, "New &item...", "Create a new item");
  edit->Append(ids::NewInput, "New i&nput...", "Create a new input");
  edit->Append(ids::NewOutput, "New &output...", "Create a new output");
  edit->Append(ids::NewValue, "New &value...", "Create a new analogue value");
  edit->Append(ids::NewMotor, "New &motor...", "Create a new motor");
  edit->Append(ids::NewVariable, "New v&ariable...", "Create a new variable");
  edit->AppendSeparator();
  edit->AppendCheckItem(ids::Properties, "Propertie&s", "Open Properties window");
  edit->Append(ids::MoveUp, "Move u&p", "Move object up");
  edit->Append(ids::MoveDown, "Move do&wn", "Move object down");
  edit->Append(ids::Erase, "&Erase", "Erase the current item");
  edit->AppendSeparator();
  edit->Append(ids::ChooseBitmaps, "&Bitmap list...", "Choose the bitmaps involved in the Tovel");
  edit->Append(ids::SetConnections, "IO co&nnections...", "Alter input/output connections");
  edit->Append(ids::RefreshBitmaps, "Re&fresh bitmaps", "Refesh bitmaps");

  auto* view = new wxMenu;
  view->AppendCheckItem(ids::LargeIcons, "Large icons", "Display large icons on toolbar");
  view->AppendSeparator();
  view->Append(ids::ZoomIn, "Zoom &in", "Zoom in");
  view->Append(ids::ZoomOut, "Zoom &out", "Zoom out");
  view->AppendCheckItem(ids::ShowLabels, "Show &labels", "Show the labels");
  view->AppendSeparator();
  view->AppendCheckItem(ids::TryTovel, "&Try the tovel\tF5",
                        "Show the tovel as the control program will, and try its inputs");

  auto* help = new wxMenu;
  help->Append(ids::AppAbout, "&About TovelCreator...");

  auto* bar = new wxMenuBar;
  bar->Append(file, "&File");
  bar->Append(edit, "&Edit");
  bar->Append(view, "View");
  bar->Append(help, "&Help");
  SetMenuBar(bar);
}

void CMainFrame::CreatePanes()
{
  m_splitter = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, GetClientSize(),
                                    wxSP_LIVE_UPDATE | wxSP_3DSASH);
  m_splitter->SetMinimumPaneSize(1);
  m_objectsView = new CObjectsView(m_splitter);
  m_tovelView = new CTovelView(m_splitter);
  // The panes keep the font they would inherit: each drawing context they
  // make then takes it as it is instead of asking the theme again.
  for (wxWindow* pane : std::initializer_list<wxWindow*>{m_objectsView, m_tovelView, m_splitter})
    pane->SetOwnFont(pane->GetFont());
  m_splitter->SplitVertically(m_objectsView, m_tovelView, ItemListWidth);
}

void CMainFrame::SelectItem(int k)
{
  ::SelectItem(k);
}

void CMainFrame::OnClose(wxCloseEvent& event)
{
  if (event.CanVeto() && !m_doc->SaveModified()) {
    event.Veto();
    return;
  }
  Destroy();
}

// The commands the main window handles itself; the document's come
// first through its pushed handler.
// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxFrame)
  EVT_MENU(ids::FileNew, CMainFrame::OnNew)
  EVT_MENU(ids::FileOpen, CMainFrame::OnOpen)
  EVT_MENU(ids::SetTovelsDirectory, CMainFrame::OnSetTovelsDirectory)
  EVT_MENU(ids::RefreshBitmaps, CMainFrame::OnRefreshBitmaps)
  EVT_MENU(ids::ChooseBitmaps, CMainFrame::OnChooseBitmaps)
  EVT_MENU(ids::ZoomIn, CMainFrame::OnZoomIn)
  EVT_MENU(ids::ZoomOut, CMainFrame::OnZoomOut)
  EVT_MENU(ids::ShowLabels, CMainFrame::OnShowLabels)
  EVT_MENU(ids::Properties, CMainFrame::OnProperties)
  EVT_MENU(ids::Erase, CMainFrame::OnErase)
  EVT_MENU(ids::MoveUp, CMainFrame::OnMoveUp)
  EVT_MENU(ids::MoveDown, CMainFrame::OnMoveDown)
  EVT_MENU(ids::NewItem, CMainFrame::OnNewItem)
  EVT_MENU(ids::NewInput, CMainFrame::OnNewInput)
  EVT_MENU(ids::NewOutput, CMainFrame::OnNewOutput)
  EVT_MENU(ids::NewValue, CMainFrame::OnNewValue)
  EVT_MENU(ids::NewMotor, CMainFrame::OnNewMotor)
  EVT_MENU(ids::NewVariable, CMainFrame::OnNewVariable)
  EVT_MENU(ids::SetConnections, CMainFrame::OnSetConnections)
  EVT_MENU(ids::LargeIcons, CMainFrame::OnLargeIcons)
  EVT_MENU(ids::NextPane, CMainFrame::OnNextPane)
  EVT_MENU(ids::PrevPane, CMainFrame::OnPrevPane)
  EVT_MENU(ids::EditUndo, CMainFrame::OnUndo)
  EVT_MENU(ids::EditRedo, CMainFrame::OnRedo)
  EVT_MENU(ids::EditCut, CMainFrame::OnCut)
  EVT_MENU(ids::EditCopy, CMainFrame::OnCopy)
  EVT_MENU(ids::EditPaste, CMainFrame::OnPaste)
  EVT_MENU(ids::Duplicate, CMainFrame::OnDuplicate)
  EVT_MENU(ids::EditDelete, CMainFrame::OnErase)
  EVT_MENU(ids::TryTovel, CMainFrame::OnTryTovel)
  EVT_CHAR_HOOK(CMainFrame::OnCharHook)
  EVT_CLOSE(CMainFrame::OnClose)
wxEND_EVENT_TABLE()
