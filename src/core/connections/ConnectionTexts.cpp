#include "connections/ConnectionTexts.h"

#include <stdexcept>

#include "model/LeadingNumber.h"

namespace {

// Applies a function to every entry of the five tables paired with its text.
template <class Tables, class Texts, class Function>
void ForEachEntry(Tables& tables, Texts& texts, Function function)
{
  for (int r = 0; r < InputCount; ++r)
    for (int k = 0; k < 3; ++k) function(tables.InputLinks[r][k], texts.Inputs[r][k]);
  for (int r = 0; r < OutputCount; ++r)
    for (int k = 0; k < 3; ++k) function(tables.OutputLinks[r][k], texts.Outputs[r][k]);
  for (int r = 0; r < ValueCount; ++r)
    for (int k = 0; k < 2; ++k) function(tables.ValueLinks[r][k], texts.Values[r][k]);
  for (int r = 0; r < MotorCount; ++r)
    for (int k = 0; k < 4; ++k) function(tables.MotorLinks[r][k], texts.Motors[r][k]);
  for (int r = 0; r < VariableCount; ++r) function(tables.VariableLinks[r], texts.Variables[r]);
}

void CheckColumn(int column, int columns)
{
  if (column < 0 || column >= columns)
    throw std::out_of_range("no column " + std::to_string(column) + " in this connection table");
}

// A negative row or column turns into a huge index, which at() refuses too.
template <class Texts> auto& TextOf(Texts& texts, ConnectionTable table, int row, int column)
{
  const auto r = static_cast<std::size_t>(row);
  const auto k = static_cast<std::size_t>(column);
  switch (table) {
  case ConnectionTable::Inputs:
    return texts.Inputs.at(r).at(k);
  case ConnectionTable::Outputs:
    return texts.Outputs.at(r).at(k);
  case ConnectionTable::Values:
    return texts.Values.at(r).at(k);
  case ConnectionTable::Motors:
    return texts.Motors.at(r).at(k);
  case ConnectionTable::Variables:
    CheckColumn(column, 1);
    return texts.Variables.at(r);
  }
  throw std::out_of_range("unknown connection table");
}

} // namespace

std::string EntryText(int entry)
{
  return entry >= 0 ? std::to_string(entry) : std::string();
}

int EntryFromText(std::string_view text)
{
  return text.empty() ? -1 : LeadingNumber(text);
}

ConnectionTexts TextsFromTables(const TovelTables& tables)
{
  ConnectionTexts texts;
  ForEachEntry(tables, texts, [](int entry, std::string& text) { text = EntryText(entry); });
  return texts;
}

void TablesFromTexts(const ConnectionTexts& texts, TovelTables& tables)
{
  ForEachEntry(tables, texts,
               [](int& entry, const std::string& text) { entry = EntryFromText(text); });
}

int ConnectionRows(ConnectionTable table)
{
  switch (table) {
  case ConnectionTable::Inputs:
    return InputCount;
  case ConnectionTable::Outputs:
    return OutputCount;
  case ConnectionTable::Values:
    return ValueCount;
  case ConnectionTable::Motors:
    return MotorCount;
  case ConnectionTable::Variables:
    return VariableCount;
  }
  return 0;
}

int ConnectionColumns(ConnectionTable table)
{
  switch (table) {
  case ConnectionTable::Inputs:
  case ConnectionTable::Outputs:
    return 3;
  case ConnectionTable::Values:
    return 2;
  case ConnectionTable::Motors:
    return 4;
  case ConnectionTable::Variables:
    return 1;
  }
  return 0;
}

std::string& ConnectionText(ConnectionTexts& texts, ConnectionTable table, int row, int column)
{
  return TextOf(texts, table, row, column);
}

const std::string& ConnectionText(const ConnectionTexts& texts, ConnectionTable table, int row,
                                  int column)
{
  return TextOf(texts, table, row, column);
}
