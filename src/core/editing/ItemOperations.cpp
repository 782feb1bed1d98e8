#include "editing/ItemOperations.h"

#include <utility>

#include "editing/ViewGeometry.h"
#include "model/LeadingNumber.h"

namespace {

bool NamesItem(const TovelTables& tables, int i)
{
  return i >= 0 && i < tables.ItemCount;
}

// Drops a link to the erased item and moves a link to a later item down by
// one, for an entry that stands on its own.
void RenumberEntry(int& entry, int erased)
{
  if (entry == erased) entry = -1;
  if (entry > erased) --entry;
}

void RenumberAfterErase(TovelTables& tables, int t)
{
  // A pair of items that switch an input: the second moves up into a
  // freed first place.
  for (auto& row : tables.InputLinks) {
    int& d0 = row[0];
    int& d1 = row[1];
    if (d0 == t) {
      d0 = d1;
      d1 = -1;
    }
    if (d1 == t) d1 = -1;
    if (d0 > t) --d0;
    if (d1 > t) --d1;
  }
  // Three items shown by an output: the ones after an erased link close up.
  for (auto& row : tables.OutputLinks) {
    int& a = row[0];
    int& b = row[1];
    int& c = row[2];
    if (a == t) {
      a = b;
      b = c;
      c = -1;
    }
    if (b == t) {
      b = c;
      c = -1;
    }
    if (c == t) c = -1;
    for (int* entry : {&a, &b, &c})
      if (*entry > t) --*entry;
  }
  for (int& entry : tables.VariableLinks) RenumberEntry(entry, t);
  // The two columns of a value keep their meanings, so nothing moves
  // between them.
  for (auto& row : tables.ValueLinks)
    for (int& entry : row) RenumberEntry(entry, t);
  for (auto& row : tables.MotorLinks) {
    int& d0 = row[0];
    int& d1 = row[1];
    if (d0 == t) {
      d0 = d1;
      d1 = -1;
    }
    if (d0 > t) --d0;
    if (d1 == t) d1 = -1;
    if (d1 > t) --d1;
  }
}

void ExchangeEntry(int& entry, int t, int u)
{
  if (entry == t)
    entry = u;
  else if (entry == u)
    entry = t;
}

void ExchangeLinks(TovelTables& tables, int t, int u)
{
  // Only the columns that hold item numbers; input numbers stay.
  for (auto& row : tables.InputLinks)
    for (int column = 0; column < 2; ++column) ExchangeEntry(row[column], t, u);
  for (auto& row : tables.OutputLinks)
    for (int& entry : row) ExchangeEntry(entry, t, u);
  for (auto& row : tables.ValueLinks)
    for (int& entry : row) ExchangeEntry(entry, t, u);
  for (auto& row : tables.MotorLinks)
    for (int column = 0; column < 2; ++column) ExchangeEntry(row[column], t, u);
  for (int& entry : tables.VariableLinks) ExchangeEntry(entry, t, u);
}

} // namespace

bool EraseItem(TovelTables& tables, int t)
{
  if (!NamesItem(tables, t)) return false;
  for (int i = t; i + 1 < tables.ItemCount; ++i) tables.ItemTable[i] = tables.ItemTable[i + 1];
  --tables.ItemCount;
  RenumberAfterErase(tables, t);
  tables.CurrentItem = t < tables.ItemCount ? t : -1;
  return true;
}

bool EraseItem(int t)
{
  return EraseItem(TheTovel, t);
}

bool ExchangeItems(TovelTables& tables, int t, int u)
{
  if (!NamesItem(tables, t) || !NamesItem(tables, u)) return false;
  ExchangeLinks(tables, t, u);
  std::swap(tables.ItemTable[t], tables.ItemTable[u]);
  tables.CurrentItem = u;
  return true;
}

bool ExchangeItems(int t, int u)
{
  return ExchangeItems(TheTovel, t, u);
}

int AddNewItem(TovelTables& tables, bool background, const std::string& pictureReference)
{
  if (tables.ItemCount < 0 || tables.ItemCount >= MaxItems) return -1;
  const int n = tables.ItemCount;
  TovelItem& item = tables.ItemTable[n];
  if (background)
    item = {0, 0, PageWidth, PageHeight, 0, 0, {pictureReference, "-1", "-1", "-1"}};
  else
    item = {0, 0, 50, 21, FlagText | FlagFilled, 0, {"New", "-1", "-1", "-1"}};
  ++tables.ItemCount;
  return n;
}

int AddNewItem(bool background, const std::string& pictureReference)
{
  return AddNewItem(TheTovel, background, pictureReference);
}

int PictureSlotOfReference(std::string_view reference)
{
  if (reference.empty() || reference.front() < '0' || reference.front() > '9') return -1;
  const int slot = LeadingNumber(reference);
  return slot < MaxBitmaps ? slot : -1;
}
