// The enabled and checked states of the main window's commands: the rules
// live in the core; here they are asked and applied to menus and buttons.
#include "app/ItemClipboardData.h"
#include "app/MainFrame.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "resources/CommandTable.h"

void CMainFrame::BindCommandStates()
{
  for (const CommandBinding& binding : CommandTable())
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCommand, this, binding.Id);
}

EditorState CMainFrame::CurrentEditorState(std::optional<EditorCommand> asked) const
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
  state.CanUndo = m_doc->History().CanUndo();
  state.CanRedo = m_doc->History().CanRedo();
  // Asking the clipboard may wait for the program that holds it: only for
  // the command that needs the answer.
  if (asked == EditorCommand::Paste) state.ClipboardHasItem = ClipboardHoldsItem();
  state.Trying = IsTrying();
  return state;
}

void CMainFrame::OnUpdateCommand(wxUpdateUIEvent& event)
{
  const auto command = CommandForId(event.GetId());
  if (!command) {
    event.Skip();
    return;
  }
  const CommandState state = StateOfCommand(*command, CurrentEditorState(*command));
  event.Enable(state.Enabled);
  if (state.Checked) event.Check(*state.Checked);
  // Undo and Redo name the step they act on.
  if (*command == EditorCommand::Undo || *command == EditorCommand::Redo) {
    const bool undo = *command == EditorCommand::Undo;
    const std::string step = undo ? m_doc->History().UndoName() : m_doc->History().RedoName();
    wxString label = undo ? "&Undo" : "&Redo";
    if (!step.empty()) label += " " + wxString::FromUTF8(step);
    event.SetText(label + (undo ? "\tCtrl+Z" : "\tCtrl+Y"));
  }
}
