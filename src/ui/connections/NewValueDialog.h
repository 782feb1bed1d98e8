// "New analogue value": asks which value to show and whether with one
// decimal place less.
#pragma once

#include "connections/NewConnectionDialog.h"

class wxRadioButton;

class CNewValueDialog : public CNewConnectionDialog {
public:
  // Opens with "Display full decimal places" checked.
  explicit CNewValueDialog(wxWindow* parent);

  wxRadioButton* GetFullPlacesButton() const { return m_fullPlaces; }
  wxRadioButton* GetOneLessPlaceButton() const { return m_oneLessPlace; }
  // What a click on either radio button does.
  void ChooseOneLessPlace(bool oneLess);

  // Checks the number and records the choice of places.
  bool TransferDataFromWindow() override;

private:
  wxRadioButton* m_fullPlaces;
  wxRadioButton* m_oneLessPlace;
};
