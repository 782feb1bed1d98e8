#include "connections/NewValueDialog.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>

#include "resources/ResourceIds.h"

CNewValueDialog::CNewValueDialog(wxWindow* parent)
    : CNewConnectionDialog(parent, ids::NewValueDialog, "New analogue value", ConnectionKind::Value,
                           "New value number (1-4):", {})
{
  m_fullPlaces =
      new wxRadioButton(this, ids::NewValueFullPlacesRadio, "Display full decimal places",
                        wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  m_oneLessPlace =
      new wxRadioButton(this, ids::NewValueOneLessPlaceRadio, "Display 1 less decimal place");
  m_fullPlaces->SetValue(true);
  Body()->AddSpacer(FromDIP(12));
  Body()->Add(m_fullPlaces);
  Body()->AddSpacer(FromDIP(4));
  Body()->Add(m_oneLessPlace);
  FinishLayout();
}

void CNewValueDialog::ChooseOneLessPlace(bool oneLess)
{
  (oneLess ? m_oneLessPlace : m_fullPlaces)->SetValue(true);
}

bool CNewValueDialog::TransferDataFromWindow()
{
  if (!CNewConnectionDialog::TransferDataFromWindow()) return false;
  m_request.OneLessPlace = m_oneLessPlace->GetValue();
  return true;
}
