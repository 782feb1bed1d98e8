#include "connections/NewInputDialog.h"

#include "resources/ResourceIds.h"

CNewInputDialog::CNewInputDialog(wxWindow* parent)
    : CNewConnectionDialog(parent, ids::NewInputDialog, "New input", ConnectionKind::Input,
                           "New input number (1-8):", {"OFF", "ON"})
{
  FinishLayout();
}
