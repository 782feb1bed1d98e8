#include "connections/VariablesPropertyPage.h"

CVariablesPropertyPage::CVariablesPropertyPage(wxWindow* parent)
    : CConnectionsPage(parent, PageLayout(ConnectionTable::Variables))
{
}
