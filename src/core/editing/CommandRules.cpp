#include "editing/CommandRules.h"

#include "editing/ViewGeometry.h"
#include "model/Tovel.h"

namespace {

// The commands that add an input, output, value, motor or variable are
// offered only while at least two places are left in the item table.
constexpr int MaxItemsBeforeConnectionItem = MaxItems - 1;

bool HasCurrentItem(const EditorState& state)
{
  return state.CurrentItem >= 0 && state.CurrentItem < state.ItemCount;
}

CommandState Enabled(bool enabled)
{
  return {enabled, std::nullopt};
}

CommandState Checked(bool checked, bool enabled = true)
{
  return {enabled, checked};
}

// What stays available while the tovel is tried: looking at it, saving
// it, and leaving the mode. Everything that would change the tables, or
// replace them, waits until the mode ends.
bool AvailableWhileTrying(EditorCommand command)
{
  switch (command) {
  case EditorCommand::Save:
  case EditorCommand::SaveAs:
  case EditorCommand::SaveAcorn:
  case EditorCommand::SaveMacintosh:
  case EditorCommand::Exit:
  case EditorCommand::About:
  case EditorCommand::LargeIcons:
  case EditorCommand::ZoomIn:
  case EditorCommand::ZoomOut:
  case EditorCommand::ShowLabels:
  case EditorCommand::TryTovel:
    return true;
  default:
    return false;
  }
}

CommandState Rule(EditorCommand command, const EditorState& state)
{
  switch (command) {
  case EditorCommand::Undo:
    return Enabled(state.CanUndo);
  case EditorCommand::Redo:
    return Enabled(state.CanRedo);
  case EditorCommand::Cut:
  case EditorCommand::Copy:
  case EditorCommand::Delete:
    return Enabled(HasCurrentItem(state));
  case EditorCommand::Duplicate:
    return Enabled(HasCurrentItem(state) && state.ItemCount < MaxItems);
  case EditorCommand::Paste:
    return Enabled(state.ClipboardHasItem && state.ItemCount < MaxItems);
  case EditorCommand::TryTovel:
    return Checked(state.Trying);
  case EditorCommand::ZoomIn:
    return Enabled(state.ZoomLevel < MaxZoom);
  case EditorCommand::ZoomOut:
    return Enabled(state.ZoomLevel > MinZoom);
  case EditorCommand::NewItem:
    return Enabled(state.ItemCount < MaxItems);
  case EditorCommand::NewInput:
  case EditorCommand::NewOutput:
  case EditorCommand::NewValue:
  case EditorCommand::NewMotor:
  case EditorCommand::NewVariable:
    return Enabled(state.ItemCount < MaxItemsBeforeConnectionItem);
  case EditorCommand::Properties:
    return Checked(state.PropertiesWindowShown, HasCurrentItem(state));
  case EditorCommand::MoveUp:
    return Enabled(HasCurrentItem(state) && state.CurrentItem > 0);
  case EditorCommand::MoveDown:
    return Enabled(HasCurrentItem(state) && state.CurrentItem < state.ItemCount - 1);
  case EditorCommand::ShowLabels:
    return Checked(state.LabelsShown);
  case EditorCommand::Erase:
    return Enabled(HasCurrentItem(state));
  case EditorCommand::LargeIcons:
    return Checked(state.LargeIcons);
  case EditorCommand::New:
  case EditorCommand::SetTovelsDirectory:
  case EditorCommand::Open:
  case EditorCommand::Save:
  case EditorCommand::SaveAs:
  case EditorCommand::SaveAcorn:
  case EditorCommand::SaveMacintosh:
  case EditorCommand::Exit:
  case EditorCommand::About:
  case EditorCommand::RefreshBitmaps:
  case EditorCommand::ChooseBitmaps:
  case EditorCommand::SetConnections:
    break;
  }
  return Enabled(true);
}

} // namespace

CommandState StateOfCommand(EditorCommand command, const EditorState& state)
{
  CommandState result = Rule(command, state);
  if (state.Trying && !AvailableWhileTrying(command)) result.Enabled = false;
  return result;
}

bool CommandIsCheckable(EditorCommand command)
{
  return StateOfCommand(command, EditorState{}).Checked.has_value();
}
