// Which commands of the editor are available, and which show a check mark,
// in a given state of the editor. The window layer asks these rules when a
// menu opens and while the program is idle, and applies the answer to the
// menu entries and toolbar buttons.
#pragma once

#include <optional>

// Every command of the menus, the toolbar and the keys that has a menu
// entry or a button.
enum class EditorCommand {
  New,
  SetTovelsDirectory,
  Open,
  Save,
  SaveAs,
  SaveAcorn,
  SaveMacintosh,
  Exit,
  LargeIcons,
  About,
  RefreshBitmaps,
  ChooseBitmaps,
  SetConnections,
  ZoomIn,
  ZoomOut,
  NewItem,
  NewInput,
  NewOutput,
  NewValue,
  NewMotor,
  NewVariable,
  Properties,
  MoveUp,
  MoveDown,
  ShowLabels,
  Erase,
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  Duplicate,
  Delete,
  TryTovel,
};

// The state of the editor the rules depend on.
struct EditorState {
  int ItemCount = 0;
  int CurrentItem = -1;               // -1: no item is current
  int ZoomLevel = 1;                  // 1 to 4
  bool LabelsShown = true;            // the tovel view shows the label items
  bool PropertiesWindowShown = false; // the Item Properties window exists and is visible
  bool LargeIcons = false;            // the toolbar shows its large images
  bool CanUndo = false;               // the edit history has a step to take back
  bool CanRedo = false;               // ... or one taken back to take again
  bool ClipboardHasItem = false;      // the clipboard holds an item to paste
  bool Trying = false;                // the tovel is being tried: nothing can be edited
};

// What a command's menu entry or button shows.
struct CommandState {
  bool Enabled = true;
  // Set only for the commands that show a check mark: whether it is shown.
  std::optional<bool> Checked;

  bool operator==(const CommandState&) const = default;
};

// The rules themselves. A CurrentItem that does not name one of the
// ItemCount items counts as no current item, so that no command is offered
// for an item that is not there.
CommandState StateOfCommand(EditorCommand command, const EditorState& state);

// Whether the command shows a check mark (its button is a toggle button).
bool CommandIsCheckable(EditorCommand command);
