#include "connections/InputsPropertyPage.h"

CInputsPropertyPage::CInputsPropertyPage(wxWindow* parent)
    : CConnectionsPage(parent, PageLayout(ConnectionTable::Inputs))
{
}
