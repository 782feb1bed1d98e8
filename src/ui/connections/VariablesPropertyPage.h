// "Variables": the item that shows each variable.
#pragma once

#include "connections/ConnectionsPage.h"

class CVariablesPropertyPage : public CConnectionsPage {
public:
  explicit CVariablesPropertyPage(wxWindow* parent);
};
