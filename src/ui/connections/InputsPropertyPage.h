// "Inputs": the items that show each input and the input that switches it off.
#pragma once

#include "connections/ConnectionsPage.h"

class CInputsPropertyPage : public CConnectionsPage {
public:
  explicit CInputsPropertyPage(wxWindow* parent);
};
