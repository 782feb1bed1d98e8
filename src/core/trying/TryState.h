// Trying a tovel: the control program's connections as its user would set
// them, and what the tovel's items show for them. The items' states change
// (they are never saved); their texts and the link tables stay as they are.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "connections/NewConnection.h"
#include "editing/Geometry.h"
#include "model/Tovel.h"

enum class MotorRun { Off, Forward, Reverse };

// One change of one connection, as the user of the control program makes
// it. Index counts from 0 (input 1, motor A, variable a are 0).
struct TrySetting {
  ConnectionKind Kind = ConnectionKind::Input;
  int Index = 0;
  bool On = false;              // inputs and outputs
  MotorRun Run = MotorRun::Off; // motors
  std::string Number;           // values and variables, as typed

  static TrySetting Switch(ConnectionKind kind, int index, bool on);
  static TrySetting Motor(int motor, MotorRun run);
  static TrySetting Reading(ConnectionKind kind, int index, std::string number);
};

// The longest number a value or variable field takes, in characters.
constexpr std::size_t MaxTryNumberLength = 15;

// Whether text is a number as the control program shows one: an optional
// minus sign, digits, and optionally a point and more digits, at most
// MaxTryNumberLength characters in all.
bool IsTryNumber(std::string_view text);

// A number (IsTryNumber) with one decimal place fewer, rounded half away
// from zero on its digits ("2.675" gives "2.68", "-0.05" gives "-0.1").
// A number without a point is returned as it is; a result of zero has no
// minus sign.
std::string OneLessPlace(std::string_view number);

// The names that setting texts use: "in3", "out2", "motB", "val1",
// "varx" (letters in either case).
std::string ConnectionName(ConnectionKind kind, int index);

// Reads "NAME=VALUE": in1..in8 and out1..out8 take on or off; motA..motD
// off, forward or reverse; val1..val4 and vara, varb, varc, vard, varn,
// varx, vary, varz a number. On failure, Error says why.
struct TrySettingParse {
  std::optional<TrySetting> Setting;
  std::string Error;
};
TrySettingParse ParseTrySetting(std::string_view text);

// How one item looked before a change: its number and the item as it was
// drawn (a reading in place of its shown entry).
struct ShownChange {
  int Item = -1;
  TovelItem Before;
};

// A reading shown in place of an item's text, per item; none = its own.
using ShownTexts = std::array<std::optional<std::string>, MaxItems>;

class TryState {
public:
  // Remembers every item's state; nothing changes until Start.
  explicit TryState(TovelTables& tables);

  // As the control program starts: every item shows state 0, every
  // connection is off and no reading is shown.
  std::vector<ShownChange> Start();
  // Gives every item back the state it had before Start; no reading is
  // shown any more.
  std::vector<ShownChange> Stop();

  // Makes the change and shows it in the items that the connection's row
  // names, in the order given, so that of two connections naming one item
  // the later change wins. Entries that name no item are passed over.
  // Switching an input on also switches off the input its row names under
  // "input to switch off" (1 to 8, another input). A reading goes only to
  // text items; picture items keep their picture. An empty number takes
  // the reading away.
  std::vector<ShownChange> Apply(const TrySetting& setting);

  bool InputOn(int input) const { return m_inputs[input]; }
  bool OutputOn(int output) const { return m_outputs[output]; }
  MotorRun Motor(int motor) const { return m_motors[motor]; }
  const std::string& Value(int value) const { return m_values[value]; }
  const std::string& Variable(int variable) const { return m_variables[variable]; }

  // Whether an item shows the connection, so that changing it is seen.
  bool IsShown(ConnectionKind kind, int index) const;

  const ShownTexts& Texts() const { return m_texts; }
  // Item i as it is drawn now: a reading in place of its shown entry.
  TovelItem AsShown(int i) const;

  // What a click at p (screen pixels, the page at origin) does: the
  // topmost drawn item under it that is clickable and that an input row
  // names catches it; others let it through.
  struct Click {
    int Input = -1; // none
    bool AutoOff = false;
  };
  Click ClickAt(Point p, int zoom, Point origin, bool labelsShown) const;

private:
  bool NamesItem(int item) const { return item >= 0 && item < m_tables.ItemCount; }
  // Keeps how the item looks now, unless changes has it already.
  void Note(int item, std::vector<ShownChange>& changes) const;
  void ShowState(int item, int state, std::vector<ShownChange>& changes);
  void ShowText(int item, std::optional<std::string> text, std::vector<ShownChange>& changes);
  void SwitchInput(int input, bool on, std::vector<ShownChange>& changes);

  TovelTables& m_tables;
  std::array<int, MaxItems> m_statesBefore{};
  std::array<bool, InputCount> m_inputs{};
  std::array<bool, OutputCount> m_outputs{};
  std::array<MotorRun, MotorCount> m_motors{};
  // Whether a motor last ran in reverse: it then shows state 2 when off.
  std::array<bool, MotorCount> m_lastReverse{};
  std::array<std::string, ValueCount> m_values;
  std::array<std::string, VariableCount> m_variables;
  ShownTexts m_texts;
};
