#include <gtest/gtest.h>

#include <wx/accel.h>
#include <wx/app.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app/MainFrame.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"
#include "support/FrameFixture.h"

namespace {

class CommandTable : public FrameFixture {
protected:
  // What the window answers about a command when a menu opens or the
  // toolbar asks at idle time.
  wxUpdateUIEvent Ask(int id)
  {
    wxUpdateUIEvent event(id);
    event.SetEventObject(m_frame);
    m_frame->ProcessWindowEvent(event);
    return event;
  }
  bool Enabled(int id)
  {
    const wxUpdateUIEvent event = Ask(id);
    EXPECT_TRUE(event.GetSetEnabled()) << "no answer for command " << id;
    return event.GetEnabled();
  }
  bool Checked(int id)
  {
    const wxUpdateUIEvent event = Ask(id);
    EXPECT_TRUE(event.GetSetChecked()) << "no check mark for command " << id;
    return event.GetChecked();
  }
  wxToolBar* Bar()
  {
    m_frame->GetToolBar()->UpdateWindowUI(wxUPDATE_UI_FROMIDLE);
    return m_frame->GetToolBar();
  }

  // A tovel of n plain items.
  void MakeItems(int n, int current = -1)
  {
    for (int i = 0; i < n; ++i) ItemTable[i] = {10 * i, 10, 10 * i + 8, 18, 0, 0, {"", "", "", ""}};
    ItemCount = n;
    CurrentItem = current;
  }

  // Presses a key on the main window; returns whether the window kept it
  // from the panes.
  bool Press(int keyCode, int flags)
  {
    wxKeyEvent event = Key(wxEVT_CHAR_HOOK, keyCode, flags);
    return m_frame->ProcessWindowEvent(event);
  }
  wxKeyEvent Key(wxEventType type, int keyCode, int flags)
  {
    wxKeyEvent event(type);
    event.m_keyCode = keyCode;
    event.SetControlDown(flags & wxACCEL_CTRL);
    event.SetShiftDown(flags & wxACCEL_SHIFT);
    event.SetAltDown(flags & wxACCEL_ALT);
    event.SetEventObject(m_frame);
    return event;
  }
};

const int NewConnectionIds[] = {ids::NewInput, ids::NewOutput, ids::NewValue, ids::NewMotor,
                                ids::NewVariable};

} // namespace

TEST_F(CommandTable, NewCommandsFollowTheItemCount)
{
  for (int count : {28, 29, 30}) {
    MakeItems(count);
    EXPECT_EQ(Enabled(ids::NewItem), count < 30) << count;
    for (int id : NewConnectionIds) EXPECT_EQ(Enabled(id), count < 29) << count;
  }
  // The toolbar buttons follow at idle time.
  EXPECT_FALSE(Bar()->GetToolEnabled(ids::NewItem));
  MakeItems(0);
  EXPECT_TRUE(Bar()->GetToolEnabled(ids::NewItem));
  EXPECT_TRUE(Bar()->GetToolEnabled(ids::NewMotor));
}

TEST_F(CommandTable, ItemCommandsFollowTheCurrentItem)
{
  MakeItems(3);
  for (int id : {ids::Properties, ids::Erase, ids::MoveUp, ids::MoveDown})
    EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_FALSE(Bar()->GetToolEnabled(ids::Erase));

  m_frame->SelectItem(0);
  EXPECT_TRUE(Enabled(ids::Properties));
  EXPECT_TRUE(Enabled(ids::Erase));
  EXPECT_FALSE(Enabled(ids::MoveUp));
  EXPECT_TRUE(Enabled(ids::MoveDown));
  EXPECT_TRUE(Bar()->GetToolEnabled(ids::Erase));

  m_frame->SelectItem(2);
  EXPECT_TRUE(Enabled(ids::MoveUp));
  EXPECT_FALSE(Enabled(ids::MoveDown));
  // No check on Properties while the Item Properties window is not open.
  EXPECT_FALSE(Checked(ids::Properties));
}

TEST_F(CommandTable, ZoomAndLabelsFollowTheTovelView)
{
  CTovelView* view = m_frame->GetTovelView();
  for (int zoom : {1, 2, 4}) {
    view->SetZoom(zoom);
    EXPECT_EQ(Enabled(ids::ZoomIn), zoom < 4) << zoom;
    EXPECT_EQ(Enabled(ids::ZoomOut), zoom > 1) << zoom;
  }
  for (bool shown : {false, true}) {
    view->SetLabelsShown(shown);
    EXPECT_EQ(Checked(ids::ShowLabels), shown);
    EXPECT_EQ(Bar()->GetToolState(ids::ShowLabels), shown);
  }

  // The file, bitmap and connection commands never depend on the state.
  MakeItems(30);
  for (int id : {ids::FileNew, ids::SetTovelsDirectory, ids::FileOpen, ids::FileSave,
                 ids::FileSaveAs, ids::SaveAcorn, ids::SaveMacintosh, ids::AppExit, ids::AppAbout,
                 ids::RefreshBitmaps, ids::ChooseBitmaps, ids::SetConnections, ids::LargeIcons})
    EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(CommandTable, EditingKeysSendTheirCommandsWhileTheyAreAvailable)
{
  const wxAcceleratorEntry keys[] = {{wxACCEL_CTRL, 'Z', ids::EditUndo},
                                     {wxACCEL_ALT, WXK_BACK, ids::EditUndo},
                                     {wxACCEL_CTRL, 'Y', ids::EditRedo},
                                     {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', ids::EditRedo},
                                     {wxACCEL_CTRL, 'X', ids::EditCut},
                                     {wxACCEL_SHIFT, WXK_DELETE, ids::EditCut},
                                     {wxACCEL_CTRL, 'C', ids::EditCopy},
                                     {wxACCEL_CTRL, WXK_INSERT, ids::EditCopy},
                                     {wxACCEL_CTRL, 'V', ids::EditPaste},
                                     {wxACCEL_SHIFT, WXK_INSERT, ids::EditPaste},
                                     {wxACCEL_SHIFT, WXK_NUMPAD_INSERT, ids::EditPaste},
                                     {wxACCEL_CTRL, 'D', ids::Duplicate},
                                     {wxACCEL_NORMAL, WXK_DELETE, ids::EditDelete},
                                     {wxACCEL_NORMAL, WXK_F5, ids::TryTovel}};
  // Nothing to undo, redo, cut or paste in an empty tovel: the keys of
  // greyed commands are kept from the panes and do nothing.
  int sent = wxID_NONE;
  m_frame->Bind(wxEVT_MENU, [&](wxCommandEvent& event) { sent = event.GetId(); });
  for (const wxAcceleratorEntry& key : keys) {
    sent = wxID_NONE;
    EXPECT_TRUE(Press(key.GetKeyCode(), key.GetFlags())) << key.ToString();
    EXPECT_EQ(sent, key.GetCommand() == ids::TryTovel ? ids::TryTovel : wxID_NONE)
        << key.ToString();
#ifndef __WXMSW__
    // The accelerator table names the same command.
    if (key.GetKeyCode() != WXK_NUMPAD_INSERT) {
      const auto event = Key(wxEVT_KEY_DOWN, key.GetKeyCode(), key.GetFlags());
      EXPECT_EQ(m_frame->GetAcceleratorTable()->GetCommand(event), key.GetCommand());
    }
#endif
  }
  // With an item current, its commands go through.
  MakeItems(4, 2);
  for (int code : {'X', 'C', 'D'}) {
    sent = wxID_NONE;
    Press(code, wxACCEL_CTRL);
    EXPECT_NE(sent, wxID_NONE) << static_cast<char>(code);
  }

  // Other keys pass on to the panes.
  EXPECT_FALSE(Press('C', 0));
  EXPECT_FALSE(Press(WXK_LEFT, wxACCEL_CTRL));
}

TEST_F(CommandTable, F6MovesTheFocusBetweenThePanes)
{
  wxWindow* list = m_frame->GetObjectsView();
  wxWindow* view = m_frame->GetTovelView();
  for (bool forward : {true, false}) {
    EXPECT_EQ(m_frame->PaneAfter(list, forward), view);
    EXPECT_EQ(m_frame->PaneAfter(view, forward), list);
  }
  EXPECT_EQ(m_frame->PaneAfter(nullptr, true), list);
  EXPECT_EQ(m_frame->PaneAfter(m_frame->GetToolBar(), false), view);

  // Where the display lets the window take the focus, the keys move it.
  m_frame->Raise();
  list->SetFocus();
  wxYield();
  if (wxWindow::FindFocus() != list) GTEST_SKIP() << "the display gives the window no focus";
  const std::pair<int, wxWindow*> steps[] = {
      {wxACCEL_NORMAL, view}, {wxACCEL_NORMAL, list}, {wxACCEL_SHIFT, view}, {wxACCEL_SHIFT, list}};
  for (const auto& [flags, target] : steps) {
    EXPECT_TRUE(Press(WXK_F6, flags));
    wxYield();
    EXPECT_EQ(wxWindow::FindFocus(), target);
  }
}
