#include "connections/MotorsPropertyPage.h"

CMotorsPropertyPage::CMotorsPropertyPage(wxWindow* parent)
    : CConnectionsPage(parent, PageLayout(ConnectionTable::Motors))
{
}
