#include "connections/NewOutputDialog.h"

#include "resources/ResourceIds.h"

CNewOutputDialog::CNewOutputDialog(wxWindow* parent)
    : CNewConnectionDialog(parent, ids::NewOutputDialog, "New output", ConnectionKind::Output,
                           "New output number (1-8):", {"OFF", "ON"})
{
  FinishLayout();
}
