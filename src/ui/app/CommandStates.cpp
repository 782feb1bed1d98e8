// The enabled and checked states of the main window's commands: the rules
// live in the core; here they are asked and applied to menus and buttons.
#include "app/MainFrame.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "resources/CommandTable.h"

void CMainFrame::BindCommandStates()
{
  for (const CommandBinding& binding : CommandTable())
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCommand, this, binding.Id);
}

EditorState CMainFrame::CurrentEditorState() const
{
  EditorState state;
  state.ItemCount = ItemCount;
  state.CurrentItem = CurrentItem;
  if (m_tovelView) {
    state.ZoomLevel = m_tovelView->ZoomLevel();
    state.LabelsShown = m_tovelView->LabelsShown();
  }
  state.PropertiesWindowShown = m_propertiesWindow && m_propertiesWindow->IsShown();
  state.LargeIcons = m_largeIcons;
  return state;
}

void CMainFrame::OnUpdateCommand(wxUpdateUIEvent& event)
{
  const auto command = CommandForId(event.GetId());
  if (!command) {
    event.Skip();
    return;
  }
  const CommandState state = StateOfCommand(*command, CurrentEditorState());
  event.Enable(state.Enabled);
  if (state.Checked) event.Check(*state.Checked);
}
