// The main window's commands that create the items showing a connection:
// a display item and its label. The table changes live in the core.
#include <wx/msgdlg.h>

#include "app/MainFrame.h"
#include "app/Messages.h"
#include "app/ModelText.h"
#include "connections/NewConnection.h"
#include "connections/NewInputDialog.h"
#include "connections/NewMotorDialog.h"
#include "connections/NewOutputDialog.h"
#include "connections/NewValueDialog.h"
#include "connections/NewVariableDialog.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"

namespace {

// A connection needs two free slots: one for its item, one for its label.
// The enabling rules keep the commands unavailable otherwise.
bool HasRoomForConnection()
{
  return ItemCount >= 0 && ItemCount <= MaxItems - 2;
}

// Runs a dialog that shows its proposal, asks before replacing the last
// item of a full connection, then adds the items. Cancel at any point
// changes nothing.
void RunNewConnection(CMainFrame& frame, CNewConnectionDialog& dialog, const char* step)
{
  if (dialog.ShowModal() != wxID_OK) return;
  const ConnectionRequest& request = dialog.Request();
  if (ConnectionRowFull(TheTovel, request) &&
      messages::Show(&frame, ToWx(ConnectionFullQuestion(request.Kind)), messages::WarningCaption,
                     wxOK | wxCANCEL | wxICON_NONE) != wxID_OK)
    return;
  const int display = AddConnectionItems(request);
  if (display < 0) return;
  AnnounceTovelChange(TovelChange(TovelChange::ItemsAdded, display).Named(step));
  SelectItem(display);
}

} // namespace

void CMainFrame::OnNewInput(wxCommandEvent&)
{
  if (!HasRoomForConnection()) return;
  CNewInputDialog dialog(this);
  dialog.SetNumber(DefaultInputNumber(TheTovel));
  RunNewConnection(*this, dialog, "New input");
}

void CMainFrame::OnNewOutput(wxCommandEvent&)
{
  if (!HasRoomForConnection()) return;
  CNewOutputDialog dialog(this);
  dialog.SetNumber(DefaultOutputNumber(TheTovel));
  RunNewConnection(*this, dialog, "New output");
}

void CMainFrame::OnNewValue(wxCommandEvent&)
{
  if (!HasRoomForConnection()) return;
  CNewValueDialog dialog(this);
  dialog.SetNumber(DefaultValueNumber(TheTovel));
  RunNewConnection(*this, dialog, "New value");
}

void CMainFrame::OnNewMotor(wxCommandEvent&)
{
  if (!HasRoomForConnection()) return;
  CNewMotorDialog dialog(this);
  dialog.SetLetter(DefaultMotorLetter(TheTovel));
  RunNewConnection(*this, dialog, "New motor");
}

void CMainFrame::OnNewVariable(wxCommandEvent&)
{
  if (!HasRoomForConnection()) return;
  CNewVariableDialog dialog(this);
  dialog.SetLetter(DefaultVariableLetter(TheTovel));
  RunNewConnection(*this, dialog, "New variable");
}
