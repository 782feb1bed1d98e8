// Command, control and dialog numbers of the program.
#pragma once

#include <wx/defs.h>

namespace ids {

// The standard commands use wxWidgets' stock ids, so that each platform
// puts them where its users expect them. Their numbers in the original
// command table: New 57600, Open 57601, Save 57603, Save As 57604,
// About 57664, Exit 57665, next pane 57680, previous pane 57681, Undo
// 57643, Cut 57635, Copy 57634, Paste 57637.
constexpr int FileNew = wxID_NEW;
constexpr int FileOpen = wxID_OPEN;
constexpr int FileSave = wxID_SAVE;
constexpr int FileSaveAs = wxID_SAVEAS;
constexpr int AppAbout = wxID_ABOUT;
constexpr int AppExit = wxID_EXIT;
constexpr int NextPane = wxID_FORWARD;
constexpr int PrevPane = wxID_BACKWARD;
constexpr int EditUndo = wxID_UNDO;
constexpr int EditCut = wxID_CUT;
constexpr int EditCopy = wxID_COPY;
constexpr int EditPaste = wxID_PASTE;

// The program's own commands keep their numbers 32772 to 32799 less
// CommandBase: wxWidgets takes window and menu ids only below 32768.
constexpr int CommandBase = 30000;

// The program's own commands.
constexpr int SetTovelsDirectory = 32772 - CommandBase;
constexpr int ChooseBitmaps = 32775 - CommandBase;
constexpr int RefreshBitmaps = 32776 - CommandBase;
constexpr int Properties = 32781 - CommandBase;
constexpr int Erase = 32782 - CommandBase;
constexpr int MoveUp = 32783 - CommandBase;
constexpr int MoveDown = 32784 - CommandBase;
constexpr int ShowLabels = 32785 - CommandBase;
constexpr int SetConnections = 32787 - CommandBase;
constexpr int NewItem = 32788 - CommandBase;
constexpr int NewInput = 32789 - CommandBase;
constexpr int NewOutput = 32790 - CommandBase;
constexpr int NewValue = 32791 - CommandBase;
constexpr int NewMotor = 32792 - CommandBase;
constexpr int NewVariable = 32794 - CommandBase;
constexpr int LargeIcons = 32795 - CommandBase;
constexpr int SaveAcorn = 32796 - CommandBase;
constexpr int SaveMacintosh = 32797 - CommandBase;
constexpr int ZoomIn = 32798 - CommandBase;
constexpr int ZoomOut = 32799 - CommandBase;

// Dialogs and their controls.
constexpr int TovelsFolderDialog = 132;
constexpr int TovelsFolderEdit = 1009;
constexpr int OpenTovelDialog = 134;
constexpr int OpenTovelList = 1014;

} // namespace ids
