// "Values": the items that show the reading of each analogue value.
#pragma once

#include "connections/ConnectionsPage.h"

class CAdcPropertyPage : public CConnectionsPage {
public:
  explicit CAdcPropertyPage(wxWindow* parent);
};
