// The panel beside the tovel view while the tovel is tried: the control
// program's connections, which the user sets as the control program would.
#pragma once

#include <array>
#include <string>

#include <wx/scrolwin.h>
#include <wx/timer.h>

#include "editing/Geometry.h"
#include "model/Tovel.h"
#include "trying/TryState.h"

class CTovelView;
class wxChoice;
class wxSlider;
class wxStaticText;
class wxTextCtrl;
class wxToggleButton;

class CTryPanel : public wxScrolledWindow {
public:
  // Ready to try the open tovel, which does not change until Start.
  CTryPanel(wxWindow* parent, CTovelView* view);
  ~CTryPanel() override;

  // Every item shows state 0 and the view shows the readings and passes
  // its presses here; Stop gives every state back. Both repaint what
  // changed. The panel must be stopped before it goes, unless the whole
  // window closes.
  void Start();
  void Stop();

  const TryState& State() const { return m_state; }

  // Makes one change as a user of the control program would: the items
  // that show it are repainted and the controls follow.
  void Apply(const TrySetting& setting);
  // A press on the tovel view (scroll-area pixels): switches the input of
  // the clickable item that catches it; an item marked to switch off after
  // 0.5 seconds does so.
  void Press(Point p);

  wxToggleButton* InputSwitch(int input) const { return m_inputs[input]; }
  wxToggleButton* OutputSwitch(int output) const { return m_outputs[output]; }
  wxChoice* MotorChoice(int motor) const { return m_motors[motor]; }
  wxTextCtrl* ValueField(int value) const { return m_values[value]; }
  wxSlider* ValueSlider(int value) const { return m_sliders[value]; }
  wxTextCtrl* VariableField(int variable) const { return m_variables[variable]; }
  // Where the splitter's sash stood before the panel came, to go back to.
  void SetSashBefore(int position) { m_sashBefore = position; }
  int SashBefore() const { return m_sashBefore; }

  // The last problem with a typed number, or empty.
  wxString Problem() const;

private:
  void CreateControls();
  // Enables the connections some item shows; the others are greyed.
  void EnableShownConnections();
  // Brings the switches, choices and fields in line with the state.
  void ShowState();
  // A number field's text changed: a number is shown at once, an empty
  // field takes the reading away, anything else is refused with a reason.
  void NumberTyped(ConnectionKind kind, int index, wxTextCtrl* field);
  void SliderMoved(int value);
  void AutoOff(int input);

  CTovelView* m_view;
  TovelTables& m_tables;
  TryState m_state;
  bool m_started = false;
  int m_sashBefore = 0;
  std::array<wxToggleButton*, InputCount> m_inputs{};
  std::array<wxToggleButton*, OutputCount> m_outputs{};
  std::array<wxChoice*, MotorCount> m_motors{};
  std::array<wxTextCtrl*, ValueCount> m_values{};
  std::array<wxSlider*, ValueCount> m_sliders{};
  std::array<wxTextCtrl*, VariableCount> m_variables{};
  std::array<wxTimer, InputCount> m_autoOff;
  wxStaticText* m_problem = nullptr;
  // The field whose text the problem is about.
  wxTextCtrl* m_problemField = nullptr;
};
