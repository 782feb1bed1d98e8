// "New input": asks which input to show and its pictures when off and on.
#pragma once

#include "connections/NewConnectionDialog.h"

class CNewInputDialog : public CNewConnectionDialog {
public:
  explicit CNewInputDialog(wxWindow* parent);
};
