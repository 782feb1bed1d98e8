#include "connections/NewConnection.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "editing/ItemEditing.h"
#include "editing/ItemOperations.h"

namespace {

constexpr std::string_view MotorLetters = "abcd";
constexpr std::string_view VariableLetters = "abcdnxyz";

// The display item of a value or variable: a small boxed number.
constexpr int NumberBoxFlags = FlagClickable | FlagText | FlagFilled;
constexpr int LabelFlags = FlagClickable | FlagText | FlagFilled | FlagLabel;
constexpr int LabelHeight = 21;

bool IsBlank(char c)
{
  return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
  return c >= '0' && c <= '9';
}

// Whether a picture reference names no picture ("-1").
bool NoPicture(const std::string& reference)
{
  return !reference.empty() && reference.front() == '-';
}

// Which of its pictures a new picture item shows first.
int FirstPictureState(const ConnectionRequest& request)
{
  if (request.Kind == ConnectionKind::Motor) {
    for (int i = 0; i < 4; ++i)
      if (!NoPicture(request.Pictures[i])) return i;
    return 0;
  }
  return NoPicture(request.Pictures[0]) && !NoPicture(request.Pictures[1]) ? 1 : 0;
}

// The text of the label: the connection as the user named it.
std::string LabelText(const ConnectionRequest& request)
{
  const std::string number = std::to_string(request.Number);
  switch (request.Kind) {
  case ConnectionKind::Input:
    return "in " + number;
  case ConnectionKind::Output:
    return "out " + number;
  case ConnectionKind::Motor:
    return "mot " + request.Letter;
  case ConnectionKind::Value:
    return "val " + number;
  case ConnectionKind::Variable:
    return "var " + request.Letter;
  }
  return {};
}

// The entry of the link tables that the new display item goes into. The
// request must be valid.
int& LinkEntry(TovelTables& tables, const ConnectionRequest& request)
{
  switch (request.Kind) {
  case ConnectionKind::Input: {
    auto& row = tables.InputLinks[request.Number - 1];
    return row[0] == -1 ? row[0] : row[1];
  }
  case ConnectionKind::Output: {
    auto& row = tables.OutputLinks[request.Number - 1];
    return row[0] == -1 ? row[0] : row[1] == -1 ? row[1] : row[2];
  }
  case ConnectionKind::Motor: {
    auto& row = tables.MotorLinks[MotorRow(request.Letter)];
    return row[0] == -1 ? row[0] : row[1];
  }
  case ConnectionKind::Value:
    return tables.ValueLinks[request.Number - 1][request.OneLessPlace ? 1 : 0];
  case ConnectionKind::Variable:
    break;
  }
  return tables.VariableLinks[VariableRow(request.Letter)];
}

void FollowInsertion(int& entry, int position)
{
  // A file may hold any number in a link; the largest one stays.
  if (entry >= position && entry < INT_MAX) ++entry;
}

// Every link to an item at or above position moves up with the item. The
// switch-off columns hold input numbers and stay.
void LinksFollowInsertion(TovelTables& tables, int position)
{
  for (auto& row : tables.InputLinks)
    for (int column = 0; column < 2; ++column) FollowInsertion(row[column], position);
  for (auto& row : tables.OutputLinks)
    for (int& entry : row) FollowInsertion(entry, position);
  for (auto& row : tables.ValueLinks)
    for (int& entry : row) FollowInsertion(entry, position);
  for (auto& row : tables.MotorLinks)
    for (int column = 0; column < 2; ++column) FollowInsertion(row[column], position);
  for (int& entry : tables.VariableLinks) FollowInsertion(entry, position);
}

} // namespace

int DefaultInputNumber(const TovelTables& tables)
{
  for (int i = 0; i < InputCount; ++i)
    if (tables.InputLinks[i][0] == -1) return i + 1;
  return 1;
}

int DefaultOutputNumber(const TovelTables& tables)
{
  for (int i = 0; i < OutputCount; ++i)
    if (tables.OutputLinks[i][0] == -1) return i + 1;
  return 1;
}

int DefaultValueNumber(const TovelTables& tables)
{
  for (int i = 0; i < ValueCount; ++i)
    if (tables.ValueLinks[i][0] == -1 && tables.ValueLinks[i][1] == -1) return i + 1;
  return 1;
}

std::string DefaultMotorLetter(const TovelTables& tables)
{
  for (int i = 0; i < MotorCount; ++i)
    if (tables.MotorLinks[i][0] == -1) return std::string(1, MotorLetters[i]);
  return "a";
}

std::string DefaultVariableLetter(const TovelTables& tables)
{
  for (int i = 0; i < VariableCount; ++i)
    if (tables.VariableLinks[i] == -1) return std::string(1, VariableLetters[i]);
  return "a";
}

int MotorRow(std::string_view letter)
{
  if (letter.size() != 1) return -1;
  const auto row = MotorLetters.find(letter.front());
  return row == std::string_view::npos ? -1 : static_cast<int>(row);
}

int VariableRow(std::string_view letter)
{
  if (letter.size() != 1) return -1;
  const auto row = VariableLetters.find(letter.front());
  return row == std::string_view::npos ? -1 : static_cast<int>(row);
}

int PictureCount(ConnectionKind kind)
{
  switch (kind) {
  case ConnectionKind::Input:
  case ConnectionKind::Output:
    return 2;
  case ConnectionKind::Motor:
    return 4;
  case ConnectionKind::Value:
  case ConnectionKind::Variable:
    break;
  }
  return 0;
}

std::optional<std::string> ConnectionNumberProblem(std::string_view text, int low, int high,
                                                   int* value)
{
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  const std::size_t firstDigit = at;
  std::int64_t magnitude = 0;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    // Past the range of int the exact value no longer matters: it is out of
    // range in any case.
    if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (text[at] - '0');
  }
  const bool digits = at > firstDigit;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (!digits || at != text.size()) return std::string("Please enter an integer.");
  const std::int64_t number = negative ? -magnitude : magnitude;
  if (number < low || number > high)
    return "Please enter an integer between " + std::to_string(low) + " and " +
           std::to_string(high) + ".";
  if (value) *value = static_cast<int>(number);
  return std::nullopt;
}

std::optional<std::string> ConnectionLetterProblem(ConnectionKind kind, std::string_view letter)
{
  if (kind == ConnectionKind::Motor && MotorRow(letter) < 0)
    return std::string("Please enter the letter of a motor: a, b, c or d.");
  if (kind == ConnectionKind::Variable && VariableRow(letter) < 0)
    return std::string("Please enter the letter of a variable: a, b, c, d, n, x, y or z.");
  return std::nullopt;
}

bool IsValidRequest(const ConnectionRequest& request)
{
  switch (request.Kind) {
  case ConnectionKind::Input:
    return request.Number >= 1 && request.Number <= InputCount;
  case ConnectionKind::Output:
    return request.Number >= 1 && request.Number <= OutputCount;
  case ConnectionKind::Motor:
    return MotorRow(request.Letter) >= 0;
  case ConnectionKind::Value:
    return request.Number >= 1 && request.Number <= ValueCount;
  case ConnectionKind::Variable:
    return VariableRow(request.Letter) >= 0;
  }
  return false;
}

bool ConnectionRowFull(const TovelTables& tables, const ConnectionRequest& request)
{
  if (!IsValidRequest(request)) return false;
  switch (request.Kind) {
  case ConnectionKind::Input: {
    const auto& row = tables.InputLinks[request.Number - 1];
    return row[0] != -1 && row[1] != -1;
  }
  case ConnectionKind::Output: {
    const auto& row = tables.OutputLinks[request.Number - 1];
    return row[0] != -1 && row[1] != -1 && row[2] != -1;
  }
  case ConnectionKind::Motor: {
    const auto& row = tables.MotorLinks[MotorRow(request.Letter)];
    return row[0] != -1 && row[1] != -1;
  }
  case ConnectionKind::Value:
  case ConnectionKind::Variable:
    break;
  }
  return false;
}

std::string ConnectionFullQuestion(ConnectionKind kind)
{
  switch (kind) {
  case ConnectionKind::Input:
    return "There are already two items for this input, continue, replacing the latter one?";
  case ConnectionKind::Output:
    return "There are already three items for this output, continue, replacing the latter one?";
  case ConnectionKind::Motor:
    return "There are already two items for this motor, continue, replacing the latter one?";
  case ConnectionKind::Value:
  case ConnectionKind::Variable:
    break;
  }
  return {};
}

int ConnectionInsertPosition(const TovelTables& tables)
{
  const int count = std::clamp(tables.ItemCount, 0, MaxItems);
  for (int i = 0; i < count; ++i)
    if (tables.ItemTable[i].Flags & FlagLabel) return i;
  return count;
}

TovelItem ConnectionDisplayItem(const ConnectionRequest& request,
                                const std::array<BitmapSlot, MaxBitmaps>& images, int bitmapCount)
{
  if (PictureCount(request.Kind) == 0)
    return {0, LabelHeight, 40, 2 * LabelHeight, NumberBoxFlags, 0, {"0", "0", "0", "0"}};
  TovelItem item;
  item.Flags = FlagClickable;
  item.Contents = request.Pictures;
  if (request.Kind != ConnectionKind::Motor) item.Contents[2] = item.Contents[3] = "-1";
  const Point size = LargestPictureSize(item, images, bitmapCount);
  item.Right = size.X;
  item.Bottom = size.Y;
  item.State = FirstPictureState(request);
  return item;
}

TovelItem ConnectionLabel(const ConnectionRequest& request, int displayBottom)
{
  TovelItem label;
  label.Contents = {LabelText(request), "-1", "-1", "-1"};
  switch (request.Kind) {
  case ConnectionKind::Input:
    label.Flags = LabelFlags | FlagYellow;
    label.Right = 35;
    break;
  case ConnectionKind::Output:
  case ConnectionKind::Motor:
    label.Flags = LabelFlags;
    label.Right = 50;
    break;
  case ConnectionKind::Value:
  case ConnectionKind::Variable:
    label.Flags = LabelFlags | FlagYellow;
    label.Right = 40;
    label.Bottom = LabelHeight;
    return label;
  }
  label.Top = displayBottom;
  label.Bottom = ClampToInt(std::int64_t{displayBottom} + LabelHeight);
  return label;
}

int AddConnectionItems(TovelTables& tables, const std::array<BitmapSlot, MaxBitmaps>& images,
                       const ConnectionRequest& request)
{
  if (!IsValidRequest(request) || tables.ItemCount < 0 || tables.ItemCount > MaxItems - 2)
    return -1;
  const int position = ConnectionInsertPosition(tables);
  for (int i = tables.ItemCount; i > position; --i) tables.ItemTable[i] = tables.ItemTable[i - 1];
  ++tables.ItemCount;
  LinksFollowInsertion(tables, position);
  if (tables.CurrentItem >= position) ++tables.CurrentItem;

  const TovelItem display = ConnectionDisplayItem(request, images, tables.BitmapCount);
  tables.ItemTable[position] = display;
  tables.ItemTable[tables.ItemCount] = ConnectionLabel(request, display.Bottom);
  ++tables.ItemCount;
  LinkEntry(tables, request) = position;
  return position;
}

int AddConnectionItems(const ConnectionRequest& request)
{
  return AddConnectionItems(TheTovel, BitmapImages, request);
}
