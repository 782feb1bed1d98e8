// The font of the editor's own dialog windows.
#pragma once

class wxWindow;

// Gives a dialog the 8-point "MS Sans Serif" of the classic Windows dialogs
// where the system has that face; elsewhere the system's dialog font stays.
// Call it before the dialog's controls are made, so that they inherit it.
void UseDialogFont(wxWindow& dialog);
