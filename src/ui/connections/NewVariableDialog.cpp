#include "connections/NewVariableDialog.h"

#include "resources/ResourceIds.h"

CNewVariableDialog::CNewVariableDialog(wxWindow* parent)
    : CNewConnectionDialog(parent, ids::NewVariableDialog, "New variable", ConnectionKind::Variable,
                           "New variable (a/b/c/d/n/x/y/z):", {})
{
  FinishLayout();
}
