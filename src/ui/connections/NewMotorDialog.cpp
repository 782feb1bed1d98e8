#include "connections/NewMotorDialog.h"

#include "resources/ResourceIds.h"

CNewMotorDialog::CNewMotorDialog(wxWindow* parent)
    : CNewConnectionDialog(parent, ids::NewMotorDialog, "New motor", ConnectionKind::Motor,
                           "New motor (a-d):", {"OFF", "FD->", "OFF", "REV->"})
{
  FinishLayout();
}
