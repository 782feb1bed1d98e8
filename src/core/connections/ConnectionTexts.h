// The connection tables as the Set Connections sheet edits them: one text
// per entry, an empty text for none.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/Tovel.h"

// The text a box shows for a table entry: the number when it is 0 or more,
// nothing when it is negative (no item, no input).
std::string EntryText(int entry);

// The table entry a box's text gives: -1 for an empty text, otherwise the
// number at its start read the standard way (" " and "x" give 0, "12ab"
// gives 12, "-3" gives -3). Every text gives an entry; nothing is refused.
int EntryFromText(std::string_view text);

// The texts of all five connection tables, laid out as the tables are.
struct ConnectionTexts {
  std::array<std::array<std::string, 3>, InputCount> Inputs;
  std::array<std::array<std::string, 3>, OutputCount> Outputs;
  std::array<std::array<std::string, 2>, ValueCount> Values;
  std::array<std::array<std::string, 4>, MotorCount> Motors;
  std::array<std::string, VariableCount> Variables;

  bool operator==(const ConnectionTexts&) const = default;
};

// The texts of every entry of the five tables.
ConnectionTexts TextsFromTables(const TovelTables& tables);

// Writes every entry of the five tables from its text. Nothing else in the
// tables changes, and no entry is range checked.
void TablesFromTexts(const ConnectionTexts& texts, TovelTables& tables);

// The five tables in the order the sheet shows them.
enum class ConnectionTable { Inputs, Outputs, Values, Motors, Variables };
constexpr int ConnectionTableCount = 5;

// The size of a table seen as a grid: variables are one column of eight rows.
int ConnectionRows(ConnectionTable table);
int ConnectionColumns(ConnectionTable table);

// The text of row and column (both counted from 0) of a table. A cell
// outside the table throws std::out_of_range.
std::string& ConnectionText(ConnectionTexts& texts, ConnectionTable table, int row, int column);
const std::string& ConnectionText(const ConnectionTexts& texts, ConnectionTable table, int row,
                                  int column);
