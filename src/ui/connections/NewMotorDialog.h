// "New motor": asks which motor to show and its pictures when off, forward, off and in reverse.
#pragma once

#include "connections/NewConnectionDialog.h"

class CNewMotorDialog : public CNewConnectionDialog {
public:
  explicit CNewMotorDialog(wxWindow* parent);
};
