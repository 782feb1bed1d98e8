#include "connections/AdcPropertyPage.h"

CAdcPropertyPage::CAdcPropertyPage(wxWindow* parent)
    : CConnectionsPage(parent, PageLayout(ConnectionTable::Values))
{
}
