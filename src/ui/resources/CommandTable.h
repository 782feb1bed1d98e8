// The main window's commands: which editor command each menu, toolbar and
// key id stands for, and the keys of the main window.
#pragma once

#include <optional>
#include <span>

#include <wx/accel.h>

#include "editing/CommandRules.h"

struct CommandBinding {
  int Id;
  EditorCommand Command;
};

// Every command that has a menu entry or a toolbar button.
std::span<const CommandBinding> CommandTable();

// The editor command behind a menu or toolbar id; none for other ids.
std::optional<EditorCommand> CommandForId(int id);

struct KeyBinding {
  int Flags;   // wxACCEL_CTRL, wxACCEL_SHIFT, wxACCEL_ALT or wxACCEL_NORMAL
  int KeyCode; // an upper-case letter or a WXK_ code
  int Id;      // the command the key sends
};

// The main window's own keys: F6 and Shift+F6 move between the panes; the
// editing keys (undo, redo, cut, copy, paste in each of their forms,
// duplicate, delete) and F5 (Try the tovel). They are served before the
// focused pane sees them. Ctrl+N, Ctrl+O and Ctrl+S come with their menu
// entries.
std::span<const KeyBinding> MainWindowKeys();

// The command of MainWindowKeys() that a key press stands for, or
// wxID_NONE. modifiers are wxMOD_ flags; the keypad's Insert and Delete
// count as the main keys.
int CommandForKey(int keyCode, int modifiers);

// MainWindowKeys() as an accelerator table.
wxAcceleratorTable MainWindowAccelerators();
