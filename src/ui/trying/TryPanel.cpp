#include "trying/TryPanel.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>

#include "app/ModelText.h"
#include "editing/TovelView.h"
#include "model/TovelChange.h"

namespace {

constexpr int SliderMax = 255;
const char* const VariableLetters[VariableCount] = {"a", "b", "c", "d", "n", "x", "y", "z"};

const char* const NotShownTip = "No item of this tovel shows this connection.";

const char* const InputTip =
    "Input %d: on shows state 1 in the items that show it, off state 0.\n"
    "Clicking a clickable item of the tovel that shows an input switches it too, "
    "and an item marked to switch off after 0.5 seconds does so.\n"
    "Switching the input on switches off the input its row names under "
    "\"Input to switch off\" (how the control program plays that column is "
    "this editor's guess).";

const char* const OutputTip = "Output %d: on shows state 1 in the items that show it, off state 0.";

const char* const MotorTip =
    "Motor %s: forward shows state 1, reverse state 3; off shows state 2 after "
    "reverse and state 0 after forward or at the start.\n"
    "The motor's \"Inputs to switch off\" are not played here.";

const char* const ValueTip =
    "Analogue value %d: a number as the control program gets it: an optional "
    "minus sign, digits, and optionally a point and digits, at most 15 characters.\n"
    "The item for full decimal places shows it as typed (the places the control "
    "program shows are this editor's choice); the item for one decimal place less "
    "shows it with one place fewer, rounded half away from zero.\n"
    "Empty: the items show their own text. The slider gives whole numbers from 0 to 255.";

const char* const VariableTip =
    "Variable %s: a number of the same form as the values, shown as typed in "
    "the item that shows the variable. Empty: the item shows its own text.";

const char* const PanelTip =
    "The tovel as the control program shows it. Nothing here is saved, and "
    "ending Try the tovel (F5 or Escape) gives every item back the state it had.\n"
    "When two connections show the same item, the later change wins; link "
    "entries that name no item are passed over. Readings go to text items only.";

// The slider position of a number: its whole part, kept within the slider.
int SliderPosition(const std::string& number)
{
  const bool negative = !number.empty() && number[0] == '-';
  int whole = 0;
  for (std::size_t i = negative ? 1 : 0; i < number.size() && number[i] != '.'; ++i)
    whole = std::min(SliderMax + 1, whole * 10 + (number[i] - '0'));
  return negative ? 0 : std::min(whole, SliderMax);
}

wxString ConnectionTitle(ConnectionKind kind, int index)
{
  switch (kind) {
  case ConnectionKind::Value:
    return wxString::Format("Value %d", index + 1);
  case ConnectionKind::Variable:
    return wxString::Format("Variable %s", VariableLetters[index]);
  default:
    return wxString::FromUTF8(ConnectionName(kind, index));
  }
}

} // namespace

CTryPanel::CTryPanel(wxWindow* parent, CTovelView* view)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxVSCROLL | wxTAB_TRAVERSAL),
      m_view(view), m_tables(TheTovel), m_state(TheTovel)
{
  SetScrollRate(0, 10);
  SetToolTip(PanelTip);
  for (int i = 0; i < InputCount; ++i) {
    m_autoOff[i].SetOwner(this);
    Bind(
        wxEVT_TIMER, [this, i](wxTimerEvent&) { AutoOff(i); }, m_autoOff[i].GetId());
  }
  CreateControls();
  EnableShownConnections();
}

CTryPanel::~CTryPanel()
{
  // Only the timers: when the main window closes, the view may be gone
  // before this panel, and the states no longer matter.
  for (auto& timer : m_autoOff) timer.Stop();
}

void CTryPanel::CreateControls()
{
  auto* column = new wxBoxSizer(wxVERTICAL);
  auto* hint = new wxStaticText(this, wxID_ANY,
                                "Click the tovel's items or set the connections here. "
                                "F5 or Escape ends trying.");
  // Wrapped to the width of the controls below, set when they are made.
  column->Add(hint, 0, wxALL, 6);

  auto switches = [&](const char* title, std::size_t count, const char* tip, auto& buttons,
                      ConnectionKind kind) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, title);
    auto* grid = new wxGridSizer(4, 2, 2);
    for (std::size_t i = 0; i < count; ++i) {
      const int index = static_cast<int>(i);
      auto* button =
          new wxToggleButton(box->GetStaticBox(), wxID_ANY, wxString::Format("%d", index + 1),
                             wxDefaultPosition, wxSize(FromDIP(34), -1), wxBU_EXACTFIT);
      button->SetToolTip(wxString::Format(tip, index + 1));
      button->Bind(wxEVT_TOGGLEBUTTON, [this, kind, index](wxCommandEvent& event) {
        Apply(TrySetting::Switch(kind, index, event.IsChecked()));
      });
      buttons[i] = button;
      grid->Add(button, 0, wxEXPAND);
    }
    box->Add(grid, 0, wxALL | wxEXPAND, 4);
    column->Add(box, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 6);
  };
  switches("Inputs", InputCount, InputTip, m_inputs, ConnectionKind::Input);
  switches("Outputs", OutputCount, OutputTip, m_outputs, ConnectionKind::Output);

  auto* motors = new wxStaticBoxSizer(wxVERTICAL, this, "Motors");
  auto* motorGrid = new wxFlexGridSizer(2, 4, 6);
  motorGrid->AddGrowableCol(1);
  const wxString runs[] = {"off", "forward", "reverse"};
  for (int m = 0; m < MotorCount; ++m) {
    const wxString letter(static_cast<char>('A' + m));
    motorGrid->Add(new wxStaticText(motors->GetStaticBox(), wxID_ANY, letter), 0,
                   wxALIGN_CENTER_VERTICAL);
    auto* choice =
        new wxChoice(motors->GetStaticBox(), wxID_ANY, wxDefaultPosition, wxDefaultSize, 3, runs);
    choice->SetSelection(0);
    choice->SetToolTip(wxString::Format(MotorTip, letter));
    choice->Bind(wxEVT_CHOICE, [this, m](wxCommandEvent& event) {
      Apply(TrySetting::Motor(m, static_cast<MotorRun>(std::clamp(event.GetSelection(), 0, 2))));
    });
    m_motors[m] = choice;
    motorGrid->Add(choice, 1, wxEXPAND);
  }
  motors->Add(motorGrid, 0, wxALL | wxEXPAND, 4);
  column->Add(motors, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 6);

  auto numberField = [this](wxWindow* parent, ConnectionKind kind, int index, const wxString& tip) {
    auto* field = new wxTextCtrl(parent, wxID_ANY, "", wxDefaultPosition, wxSize(FromDIP(70), -1));
    field->SetMaxLength(MaxTryNumberLength);
    field->SetToolTip(tip);
    field->Bind(wxEVT_TEXT,
                [this, kind, index, field](wxCommandEvent&) { NumberTyped(kind, index, field); });
    return field;
  };

  auto* values = new wxStaticBoxSizer(wxVERTICAL, this, "Analogue values");
  auto* valueGrid = new wxFlexGridSizer(3, 4, 4);
  valueGrid->AddGrowableCol(2);
  for (int v = 0; v < ValueCount; ++v) {
    const wxString tip = wxString::Format(ValueTip, v + 1);
    valueGrid->Add(
        new wxStaticText(values->GetStaticBox(), wxID_ANY, wxString::Format("%d", v + 1)), 0,
        wxALIGN_CENTER_VERTICAL);
    m_values[v] = numberField(values->GetStaticBox(), ConnectionKind::Value, v, tip);
    valueGrid->Add(m_values[v], 0, wxALIGN_CENTER_VERTICAL);
    auto* slider = new wxSlider(values->GetStaticBox(), wxID_ANY, 0, 0, SliderMax,
                                wxDefaultPosition, wxSize(FromDIP(90), -1));
    slider->SetToolTip(tip);
    slider->Bind(wxEVT_SLIDER, [this, v](wxCommandEvent&) { SliderMoved(v); });
    m_sliders[v] = slider;
    valueGrid->Add(slider, 1, wxEXPAND | wxALIGN_CENTER_VERTICAL);
  }
  values->Add(valueGrid, 0, wxALL | wxEXPAND, 4);
  column->Add(values, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 6);

  auto* variables = new wxStaticBoxSizer(wxVERTICAL, this, "Variables");
  auto* variableGrid = new wxFlexGridSizer(4, 4, 4);
  for (int k = 0; k < VariableCount; ++k) {
    variableGrid->Add(new wxStaticText(variables->GetStaticBox(), wxID_ANY, VariableLetters[k]), 0,
                      wxALIGN_CENTER_VERTICAL);
    m_variables[k] = numberField(variables->GetStaticBox(), ConnectionKind::Variable, k,
                                 wxString::Format(VariableTip, VariableLetters[k]));
    m_variables[k]->SetMinSize(wxSize(FromDIP(60), -1));
    variableGrid->Add(m_variables[k], 0, wxEXPAND);
  }
  variables->Add(variableGrid, 0, wxALL | wxEXPAND, 4);
  column->Add(variables, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 6);

  m_problem = new wxStaticText(this, wxID_ANY, "");
  m_problem->SetForegroundColour(wxColour(176, 0, 0));
  column->Add(m_problem, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 6);

  hint->Hide();
  const int width = column->CalcMin().x - 12;
  hint->Show();
  hint->Wrap(width);
  SetSizer(column);
  FitInside();
}

void CTryPanel::EnableShownConnections()
{
  auto enable = [](wxWindow* control, bool shown, const wxString& tip) {
    control->Enable(shown);
    control->SetToolTip(shown ? tip : tip + "\n" + NotShownTip);
  };
  for (int i = 0; i < InputCount; ++i)
    enable(m_inputs[i], m_state.IsShown(ConnectionKind::Input, i),
           wxString::Format(InputTip, i + 1));
  for (int i = 0; i < OutputCount; ++i)
    enable(m_outputs[i], m_state.IsShown(ConnectionKind::Output, i),
           wxString::Format(OutputTip, i + 1));
  for (int m = 0; m < MotorCount; ++m)
    enable(m_motors[m], m_state.IsShown(ConnectionKind::Motor, m),
           wxString::Format(MotorTip, wxString(static_cast<char>('A' + m))));
  for (int v = 0; v < ValueCount; ++v) {
    const bool shown = m_state.IsShown(ConnectionKind::Value, v);
    const wxString tip = wxString::Format(ValueTip, v + 1);
    enable(m_values[v], shown, tip);
    enable(m_sliders[v], shown, tip);
  }
  for (int k = 0; k < VariableCount; ++k)
    enable(m_variables[k], m_state.IsShown(ConnectionKind::Variable, k),
           wxString::Format(VariableTip, VariableLetters[k]));
}

void CTryPanel::Start()
{
  if (m_started) return;
  m_started = true;
  const auto changes = m_state.Start();
  m_view->SetTrying(&m_state.Texts(), [this](Point p) { Press(p); });
  for (const auto& change : changes)
    AnnounceTovelChange({TovelChange::StateShown, change.Item, -1, change.Before});
  ShowState();
}

void CTryPanel::Stop()
{
  if (!m_started) return;
  m_started = false;
  for (auto& timer : m_autoOff) timer.Stop();
  const auto changes = m_state.Stop();
  m_view->SetTrying(nullptr, {});
  for (const auto& change : changes)
    AnnounceTovelChange({TovelChange::StateShown, change.Item, -1, change.Before});
}

void CTryPanel::Apply(const TrySetting& setting)
{
  if (!m_started) return;
  for (const auto& change : m_state.Apply(setting))
    AnnounceTovelChange({TovelChange::StateShown, change.Item, -1, change.Before});
  ShowState();
}

void CTryPanel::Press(Point p)
{
  const wxPoint origin = m_view->PageOrigin();
  const TryState::Click click =
      m_state.ClickAt(p, m_view->ZoomLevel(), {origin.x, origin.y}, m_view->LabelsShown());
  if (click.Input < 0) return;
  const bool on = !m_state.InputOn(click.Input);
  Apply(TrySetting::Switch(ConnectionKind::Input, click.Input, on));
  if (on && click.AutoOff)
    m_autoOff[click.Input].StartOnce(500);
  else
    m_autoOff[click.Input].Stop();
}

void CTryPanel::AutoOff(int input)
{
  if (!m_state.InputOn(input)) return;
  Apply(TrySetting::Switch(ConnectionKind::Input, input, false));
}

void CTryPanel::ShowState()
{
  for (int i = 0; i < InputCount; ++i) m_inputs[i]->SetValue(m_state.InputOn(i));
  for (int i = 0; i < OutputCount; ++i) m_outputs[i]->SetValue(m_state.OutputOn(i));
  for (int m = 0; m < MotorCount; ++m)
    m_motors[m]->SetSelection(static_cast<int>(m_state.Motor(m)));
  // A field keeps what is being typed in it; only a number set elsewhere
  // (a slider) is written in.
  for (int v = 0; v < ValueCount; ++v) {
    const wxString shown = ToWx(m_state.Value(v));
    if (!shown.empty() && m_values[v]->GetValue() != shown) m_values[v]->ChangeValue(shown);
    if (!shown.empty()) m_sliders[v]->SetValue(SliderPosition(m_state.Value(v)));
  }
  for (int k = 0; k < VariableCount; ++k) {
    const wxString shown = ToWx(m_state.Variable(k));
    if (!shown.empty() && m_variables[k]->GetValue() != shown) m_variables[k]->ChangeValue(shown);
  }
}

void CTryPanel::NumberTyped(ConnectionKind kind, int index, wxTextCtrl* field)
{
  const std::string typed(field->GetValue().ToUTF8());
  const bool good = typed.empty() || IsTryNumber(typed);
  field->SetBackgroundColour(good ? wxNullColour : wxColour(255, 210, 210));
  field->Refresh();
  if (!good) {
    // The items keep the last number until the field holds one again.
    m_problem->SetLabel(ConnectionTitle(kind, index) + ": \"" + field->GetValue() +
                        "\" is not a number. Type an optional minus sign, digits, and "
                        "optionally a point and digits, such as -12.5.");
    m_problem->Wrap(GetClientSize().x - 12);
    m_problemField = field;
    FitInside();
    return;
  }
  if (m_problemField == field) {
    m_problem->SetLabel("");
    m_problemField = nullptr;
    FitInside();
  }
  Apply(TrySetting::Reading(kind, index, typed));
}

void CTryPanel::SliderMoved(int value)
{
  const wxString number = wxString::Format("%d", m_sliders[value]->GetValue());
  m_values[value]->ChangeValue(number);
  NumberTyped(ConnectionKind::Value, value, m_values[value]);
}

wxString CTryPanel::Problem() const
{
  return m_problem->GetLabel();
}
