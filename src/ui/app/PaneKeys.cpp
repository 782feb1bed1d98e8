// The main window's own keys: F6 and Shift+F6 move the keyboard focus
// between the two panes; the editing keys and F5 send their commands, and
// Escape ends Try mode.
#include "app/MainFrame.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "resources/CommandTable.h"
#include "trying/TryPanel.h"

wxWindow* CMainFrame::PaneAfter(wxWindow* focus, bool forward) const
{
  // While the tovel is tried, its panel stands in the item list's place.
  wxWindow* const panes[] = {IsTrying() ? static_cast<wxWindow*>(m_tryPanel) : m_objectsView,
                             m_tovelView};
  for (int i = 0; i < 2; ++i) {
    if (focus && (focus == panes[i] || panes[i]->IsDescendant(focus))) return panes[1 - i];
  }
  return forward ? panes[0] : panes[1];
}

void CMainFrame::OnNextPane(wxCommandEvent&)
{
  PaneAfter(FindFocus(), true)->SetFocus();
}

void CMainFrame::OnPrevPane(wxCommandEvent&)
{
  PaneAfter(FindFocus(), false)->SetFocus();
}

void CMainFrame::OnCharHook(wxKeyEvent& event)
{
  // The window's keys are served before the focused pane sees the key, on
  // every platform, as accelerators are.
  if (IsTrying() && event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
    StopTrying();
    return;
  }
  const int id = CommandForKey(event.GetKeyCode(), event.GetModifiers());
  if (id == wxID_NONE) {
    event.Skip();
    return;
  }
  // A key does what its menu entry does, and nothing while that is greyed;
  // either way the panes do not see it.
  if (const auto command = CommandForId(id);
      command && !StateOfCommand(*command, CurrentEditorState(*command)).Enabled)
    return;
  wxCommandEvent command(wxEVT_MENU, id);
  command.SetEventObject(this);
  ProcessWindowEvent(command);
}
