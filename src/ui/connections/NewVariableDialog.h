// "New variable": asks which variable to show.
#pragma once

#include "connections/NewConnectionDialog.h"

class CNewVariableDialog : public CNewConnectionDialog {
public:
  explicit CNewVariableDialog(wxWindow* parent);
};
