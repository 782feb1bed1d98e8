#include "trying/TryState.h"

#include <algorithm>
#include <cctype>

#include "editing/ViewGeometry.h"

namespace {

constexpr std::string_view MotorLetters = "ABCD";
constexpr std::string_view VariableLetters = "abcdnxyz";

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}

std::string Lower(std::string_view text)
{
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// The row a name's tail gives: a number from 1 to count, or one of the
// letters (either case). -1 for a number or letter out of range, -2 for a
// tail that is neither.
int RowOf(std::string_view tail, int count, std::string_view letters)
{
  if (letters.empty()) {
    if (tail.empty() || tail.size() > 2 || !std::all_of(tail.begin(), tail.end(), IsDigit))
      return -2;
    const int n = std::stoi(std::string(tail));
    return n >= 1 && n <= count ? n - 1 : -1;
  }
  if (tail.size() != 1 || !std::isalpha(static_cast<unsigned char>(tail[0]))) return -2;
  const auto at = Lower(letters).find(Lower(tail));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

struct ConnectionNames {
  ConnectionKind Kind;
  std::string_view Prefix;
  int Count;
  std::string_view Letters;
  std::string_view What;
  std::string_view Rows;
};

const ConnectionNames Names[] = {
    {ConnectionKind::Input, "in", InputCount, {}, "input", "inputs 1 to 8"},
    {ConnectionKind::Output, "out", OutputCount, {}, "output", "outputs 1 to 8"},
    {ConnectionKind::Motor, "mot", MotorCount, MotorLetters, "motor", "motors A to D"},
    {ConnectionKind::Value, "val", ValueCount, {}, "value", "values 1 to 4"},
    {ConnectionKind::Variable, "var", VariableCount, VariableLetters, "variable",
     "variables a, b, c, d, n, x, y and z"},
};

} // namespace

TrySetting TrySetting::Switch(ConnectionKind kind, int index, bool on)
{
  TrySetting setting;
  setting.Kind = kind;
  setting.Index = index;
  setting.On = on;
  return setting;
}

TrySetting TrySetting::Motor(int motor, MotorRun run)
{
  TrySetting setting = Switch(ConnectionKind::Motor, motor, false);
  setting.Run = run;
  return setting;
}

TrySetting TrySetting::Reading(ConnectionKind kind, int index, std::string number)
{
  TrySetting setting = Switch(kind, index, false);
  setting.Number = std::move(number);
  return setting;
}

bool IsTryNumber(std::string_view text)
{
  if (text.empty() || text.size() > MaxTryNumberLength) return false;
  std::size_t i = text[0] == '-' ? 1 : 0;
  const std::size_t wholeStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == wholeStart) return false;
  if (i == text.size()) return true;
  if (text[i] != '.') return false;
  const std::size_t fractionStart = ++i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i == text.size() && i > fractionStart;
}

std::string OneLessPlace(std::string_view number)
{
  const auto point = number.find('.');
  if (point == std::string_view::npos) return std::string(number);
  const bool negative = !number.empty() && number[0] == '-';
  const std::string_view whole = number.substr(negative ? 1 : 0, point - (negative ? 1 : 0));
  const std::string_view fraction = number.substr(point + 1);
  // The digits kept, whole and fraction together; the last one dropped
  // decides whether they round up.
  std::string digits = std::string(whole) + std::string(fraction.substr(0, fraction.size() - 1));
  std::size_t wholeDigits = whole.size();
  if (fraction.back() >= '5') {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
      ++wholeDigits;
    } else
      ++digits[i - 1];
  }
  std::string result = digits.substr(0, wholeDigits);
  if (digits.size() > wholeDigits) result += "." + digits.substr(wholeDigits);
  const bool zero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
  return negative && !zero ? "-" + result : result;
}

std::string ConnectionName(ConnectionKind kind, int index)
{
  for (const auto& names : Names) {
    if (names.Kind != kind) continue;
    return std::string(names.Prefix) + (names.Letters.empty()
                                            ? std::to_string(index + 1)
                                            : std::string(1, names.Letters[index]));
  }
  return {};
}

TrySettingParse ParseTrySetting(std::string_view text)
{
  TrySettingParse parse;
  const auto equals = text.find('=');
  if (equals == std::string_view::npos) {
    parse.Error = "give NAME=VALUE, as in in3=on or val1=3.75";
    return parse;
  }
  const std::string name = Lower(text.substr(0, equals));
  const std::string value(text.substr(equals + 1));
  const ConnectionNames* names = nullptr;
  for (const auto& candidate : Names) {
    // "var" and "val" share no prefix with the others, "out" none with "in".
    if (name.rfind(candidate.Prefix, 0) == 0) names = &candidate;
  }
  const int row = names ? RowOf(std::string_view(name).substr(names->Prefix.size()), names->Count,
                                names->Letters)
                        : -2;
  if (row == -2) {
    parse.Error = "unknown connection '" + std::string(text.substr(0, equals)) +
                  "' (in1 to in8, out1 to out8, motA to motD, val1 to val4, "
                  "vara, varb, varc, vard, varn, varx, vary, varz)";
    return parse;
  }
  if (row < 0) {
    parse.Error = "there is no " + std::string(names->What) + " " +
                  std::string(text.substr(names->Prefix.size(), equals - names->Prefix.size())) +
                  " (" + std::string(names->Rows) + ")";
    return parse;
  }
  TrySetting setting;
  setting.Kind = names->Kind;
  setting.Index = row;
  switch (names->Kind) {
  case ConnectionKind::Input:
  case ConnectionKind::Output:
    if (value != "on" && value != "off") {
      parse.Error = "an " + std::string(names->What) + " is on or off, not '" + value + "'";
      return parse;
    }
    setting.On = value == "on";
    break;
  case ConnectionKind::Motor:
    if (value == "off")
      setting.Run = MotorRun::Off;
    else if (value == "forward")
      setting.Run = MotorRun::Forward;
    else if (value == "reverse")
      setting.Run = MotorRun::Reverse;
    else {
      parse.Error = "a motor is off, forward or reverse, not '" + value + "'";
      return parse;
    }
    break;
  case ConnectionKind::Value:
  case ConnectionKind::Variable:
    if (!IsTryNumber(value)) {
      parse.Error = "a " + std::string(names->What) +
                    " is a decimal number of at most 15 characters, such as -12.5, not '" + value +
                    "'";
      return parse;
    }
    setting.Number = value;
    break;
  }
  parse.Setting = std::move(setting);
  return parse;
}

TryState::TryState(TovelTables& tables) : m_tables(tables)
{
  for (int i = 0; i < MaxItems; ++i) m_statesBefore[i] = tables.ItemTable[i].State;
}

TovelItem TryState::AsShown(int i) const
{
  TovelItem item = m_tables.ItemTable[i];
  const int state = item.State;
  if (m_texts[i] && state >= 0 && state < 4) item.Contents[state] = *m_texts[i];
  return item;
}

void TryState::Note(int item, std::vector<ShownChange>& changes) const
{
  // The item's look before the first change is the one to keep.
  if (std::none_of(changes.begin(), changes.end(),
                   [item](const ShownChange& change) { return change.Item == item; }))
    changes.push_back({item, AsShown(item)});
}

void TryState::ShowState(int item, int state, std::vector<ShownChange>& changes)
{
  if (!NamesItem(item) || m_tables.ItemTable[item].State == state) return;
  Note(item, changes);
  m_tables.ItemTable[item].State = state;
}

void TryState::ShowText(int item, std::optional<std::string> text,
                        std::vector<ShownChange>& changes)
{
  if (!NamesItem(item) || !(m_tables.ItemTable[item].Flags & FlagText) || m_texts[item] == text)
    return;
  Note(item, changes);
  m_texts[item] = std::move(text);
}

std::vector<ShownChange> TryState::Start()
{
  std::vector<ShownChange> changes;
  m_inputs = {};
  m_outputs = {};
  m_motors = {};
  m_lastReverse = {};
  m_values = {};
  m_variables = {};
  for (int i = 0; i < m_tables.ItemCount; ++i) {
    ShowText(i, std::nullopt, changes);
    ShowState(i, 0, changes);
  }
  return changes;
}

std::vector<ShownChange> TryState::Stop()
{
  std::vector<ShownChange> changes;
  for (int i = 0; i < m_tables.ItemCount; ++i) {
    const TovelItem before = AsShown(i);
    m_texts[i].reset();
    m_tables.ItemTable[i].State = m_statesBefore[i];
    if (!(AsShown(i) == before)) changes.push_back({i, before});
  }
  return changes;
}

void TryState::SwitchInput(int input, bool on, std::vector<ShownChange>& changes)
{
  m_inputs[input] = on;
  for (int column : {0, 1}) ShowState(m_tables.InputLinks[input][column], on ? 1 : 0, changes);
}

std::vector<ShownChange> TryState::Apply(const TrySetting& setting)
{
  std::vector<ShownChange> changes;
  const int i = setting.Index;
  switch (setting.Kind) {
  case ConnectionKind::Input: {
    SwitchInput(i, setting.On, changes);
    // The input to switch off is a number as typed: only another input's
    // number means one.
    const int off = m_tables.InputLinks[i][2];
    if (setting.On && off >= 1 && off <= InputCount && off != i + 1)
      SwitchInput(off - 1, false, changes);
    break;
  }
  case ConnectionKind::Output:
    m_outputs[i] = setting.On;
    for (int column : {0, 1, 2})
      ShowState(m_tables.OutputLinks[i][column], setting.On ? 1 : 0, changes);
    break;
  case ConnectionKind::Motor: {
    m_motors[i] = setting.Run;
    if (setting.Run != MotorRun::Off) m_lastReverse[i] = setting.Run == MotorRun::Reverse;
    const int state = setting.Run == MotorRun::Forward   ? 1
                      : setting.Run == MotorRun::Reverse ? 3
                      : m_lastReverse[i]                 ? 2
                                                         : 0;
    for (int column : {0, 1}) ShowState(m_tables.MotorLinks[i][column], state, changes);
    break;
  }
  case ConnectionKind::Value: {
    m_values[i] = setting.Number;
    const bool shown = !setting.Number.empty();
    ShowText(m_tables.ValueLinks[i][0],
             shown ? std::optional<std::string>(setting.Number) : std::nullopt, changes);
    ShowText(m_tables.ValueLinks[i][1],
             shown ? std::optional<std::string>(OneLessPlace(setting.Number)) : std::nullopt,
             changes);
    break;
  }
  case ConnectionKind::Variable:
    m_variables[i] = setting.Number;
    ShowText(m_tables.VariableLinks[i],
             setting.Number.empty() ? std::nullopt : std::optional<std::string>(setting.Number),
             changes);
    break;
  }
  return changes;
}

bool TryState::IsShown(ConnectionKind kind, int index) const
{
  auto any = [this](std::initializer_list<int> items) {
    return std::any_of(items.begin(), items.end(), [this](int item) { return NamesItem(item); });
  };
  auto anyText = [this](std::initializer_list<int> items) {
    return std::any_of(items.begin(), items.end(), [this](int item) {
      return NamesItem(item) && (m_tables.ItemTable[item].Flags & FlagText);
    });
  };
  const TovelTables& t = m_tables;
  switch (kind) {
  case ConnectionKind::Input:
    return any({t.InputLinks[index][0], t.InputLinks[index][1]});
  case ConnectionKind::Output:
    return any({t.OutputLinks[index][0], t.OutputLinks[index][1], t.OutputLinks[index][2]});
  case ConnectionKind::Motor:
    return any({t.MotorLinks[index][0], t.MotorLinks[index][1]});
  case ConnectionKind::Value:
    return anyText({t.ValueLinks[index][0], t.ValueLinks[index][1]});
  case ConnectionKind::Variable:
    return anyText({t.VariableLinks[index]});
  }
  return false;
}

TryState::Click TryState::ClickAt(Point p, int zoom, Point origin, bool labelsShown) const
{
  for (int i = m_tables.ItemCount - 1; i >= 0; --i) {
    const TovelItem& item = m_tables.ItemTable[i];
    if (!(item.Flags & FlagClickable) || !ItemIsDrawn(item, labelsShown)) continue;
    const Rect area = ItemScreenRect(item, zoom, origin);
    if (p.X < area.Left || p.X >= area.Right || p.Y < area.Top || p.Y >= area.Bottom) continue;
    for (int input = 0; input < InputCount; ++input) {
      if (m_tables.InputLinks[input][0] == i || m_tables.InputLinks[input][1] == i)
        return {input, (item.Flags & FlagAutoOff) != 0};
    }
  }
  return {};
}
