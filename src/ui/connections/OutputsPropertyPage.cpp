#include "connections/OutputsPropertyPage.h"

COutputsPropertyPage::COutputsPropertyPage(wxWindow* parent)
    : CConnectionsPage(parent, PageLayout(ConnectionTable::Outputs))
{
}
