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
constexpr int EditRedo = wxID_REDO;
constexpr int EditDelete = wxID_DELETE;

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
// Commands the program added later, after the original numbers.
constexpr int Duplicate = 32800 - CommandBase;
constexpr int TryTovel = 32801 - CommandBase;

// Dialogs and their controls.
constexpr int TovelsFolderDialog = 132;
constexpr int TovelsFolderEdit = 1009;
constexpr int OpenTovelDialog = 134;
constexpr int OpenTovelList = 1014;

// The New item dialog.
constexpr int NewItemDialog = 149;
constexpr int NewItemLabelRadio = 1004;
constexpr int NewItemBackgroundRadio = 1005;
constexpr int NewItemPictureButton = 1011;

// The Item Properties window.
constexpr int ItemPropertiesDialog = 131;
constexpr int PropertiesLeft = 1000;
constexpr int PropertiesRight = 1001;
constexpr int PropertiesTop = 1002;
constexpr int PropertiesBottom = 1003;
constexpr int PropertiesTextRadio = 1004;
constexpr int PropertiesPictureRadio = 1005;
constexpr int PropertiesClickable = 1006;
constexpr int PropertiesFilled = 1007;
constexpr int PropertiesYellow = 1008;
constexpr int PropertiesLabel = 1009;
constexpr int PropertiesText = 1010;
constexpr int PropertiesPicture0 = 1011; // to 1014 for pictures 0 to 3
constexpr int PropertiesAutoOff = 1015;
constexpr int PropertiesFastRedraw = 1016;

// The Choose Bitmap dialog and the New folder dialog.
constexpr int ChooseBitmapDialog = 142;
constexpr int ChooseBitmapOk = 1;
constexpr int ChooseBitmapCancel = 2;
constexpr int ChooseBitmapTree = 1023;
constexpr int ChooseBitmapAdd = 1024;
constexpr int ChooseBitmapRemove = 1025;
constexpr int ChooseBitmapCopy = 1026;
constexpr int ChooseBitmapNewFolder = 1027;
constexpr int ChooseBitmapSlot0 = 2060; // to 2079 for slots 0 to 19
constexpr int ChooseBitmapNoneButton = 2080;
constexpr int NewFolderDialog = 150;
constexpr int NewFolderEdit = 2041;

// The Acorn tovel details dialog.
constexpr int AcornDetailsDialog = 147;
constexpr int SpritesDirectoryEdit = 1021;
constexpr int SpritesSizeEdit = 1022;

// The five New connection dialogs and their controls.
constexpr int NewInputDialog = 141;
constexpr int NewOutputDialog = 143;
constexpr int NewMotorDialog = 144;
constexpr int NewValueDialog = 145;
constexpr int NewVariableDialog = 146;
constexpr int NewConnectionNumberEdit = 1017; // input, output and value number
constexpr int NewConnectionLetterEdit = 1020; // motor and variable letter
constexpr int NewConnectionPicture0 = 1011;   // "BMP..." buttons 1011 to 1014
constexpr int NewValueFullPlacesRadio = 1004;
constexpr int NewValueOneLessPlaceRadio = 1005;

// The Set Connections sheet: its five pages and the edit boxes on them.
// On every page the edit for row r and column k (both counted from 1) has
// the id 1015 + r + 8 * (k - 1).
constexpr int InputsPage = 136;
constexpr int OutputsPage = 137;
constexpr int ValuesPage = 138;
constexpr int MotorsPage = 139;
constexpr int VariablesPage = 140;
constexpr int ConnectionEdit(int row, int column)
{
  return 1015 + row + 8 * (column - 1);
}

} // namespace ids
