// "Motors": the items that show each motor and the inputs that switch it off.
#pragma once

#include "connections/ConnectionsPage.h"

class CMotorsPropertyPage : public CConnectionsPage {
public:
  explicit CMotorsPropertyPage(wxWindow* parent);
};
