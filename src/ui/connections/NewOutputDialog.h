// "New output": asks which output to show and its pictures when off and on.
#pragma once

#include "connections/NewConnectionDialog.h"

class CNewOutputDialog : public CNewConnectionDialog {
public:
  explicit CNewOutputDialog(wxWindow* parent);
};
