// "Outputs": the items that show each output.
#pragma once

#include "connections/ConnectionsPage.h"

class COutputsPropertyPage : public CConnectionsPage {
public:
  explicit COutputsPropertyPage(wxWindow* parent);
};
