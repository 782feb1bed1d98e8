#include "model/TovelFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "model/LeadingNumber.h"
#include "platform/FileIo.h"

namespace {

// Splits the file into the lines the reader sees: CR LF counts as one line
// feed (the file is read as text), a line ends after its line feed or after
// MaxTovelLineBytes bytes, and a line ends at a NUL byte as a C string does.
std::vector<std::string> SplitLines(std::string_view bytes)
{
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text.push_back(bytes[i]);
  }
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && end - pos < MaxTovelLineBytes) {
      if (text[end++] == '\n') break;
    }
    std::string line = text.substr(pos, end - pos);
    if (const auto nul = line.find('\0'); nul != std::string::npos) line.resize(nul);
    lines.push_back(std::move(line));
    pos = end;
  }
  return lines;
}

// Hands out the lines in order; once they run out, every further read
// yields the last line again.
class LineSource {
public:
  explicit LineSource(std::vector<std::string> lines) : m_lines(std::move(lines)) {}
  const std::string& Next()
  {
    static const std::string none;
    if (m_next < m_lines.size()) ++m_next;
    return m_next == 0 ? none : m_lines[m_next - 1];
  }

private:
  std::vector<std::string> m_lines;
  std::size_t m_next = 0;
};

// Walks one line from separator to separator. A separator that the line
// lacks moves the cursor to the end of the line, so later fields are empty.
class FieldCursor {
public:
  explicit FieldCursor(std::string_view line) : m_line(line)
  {
    if (!m_line.empty() && m_line.back() == '\n')
      m_content = m_line.size() - 1;
    else
      m_content = m_line.size();
  }
  int Number() const { return LeadingNumber(m_line.substr(m_pos)); }
  void SkipPast(char separator)
  {
    const auto found = m_line.find(separator, m_pos);
    m_pos = found == std::string_view::npos ? m_line.size() : found + 1;
  }
  // The characters up to, not including, the separator; the cursor stays on it.
  std::string TextUpTo(char separator)
  {
    if (m_pos >= m_content) return {};
    auto found = m_line.find(separator, m_pos);
    if (found == std::string_view::npos || found > m_content) found = m_content;
    std::string text(m_line.substr(m_pos, found - m_pos));
    m_pos = found;
    return text;
  }

private:
  std::string_view m_line;
  std::size_t m_content;
  std::size_t m_pos = 0;
};

template <std::size_t Columns>
void ReadLinkRows(LineSource& source, int (*rows)[Columns], int rowCount)
{
  for (int row = 0; row < rowCount; ++row) {
    FieldCursor cursor(source.Next());
    for (std::size_t column = 0; column < Columns; ++column) {
      if (column > 0) cursor.SkipPast(',');
      rows[row][column] = cursor.Number();
    }
  }
}

template <std::size_t Columns>
void WriteLinkRows(std::string& out, const int (*rows)[Columns], int rowCount,
                   std::string_view lineEnd)
{
  for (int row = 0; row < rowCount; ++row) {
    for (std::size_t column = 0; column < Columns; ++column) {
      if (column > 0) out += ',';
      out += std::to_string(rows[row][column]);
    }
    out += ';';
    out += lineEnd;
  }
}

// The line of bitmap names, without its line end.
std::string NamesLine(const TovelTables& tables)
{
  std::string line;
  for (int i = 0; i < tables.BitmapCount; ++i) line += tables.BitmapNames[i] + ";";
  return line;
}

// An item line from its five numbers and four texts, without its line end.
std::string ItemLine(const std::array<std::int64_t, 5>& numbers,
                     const std::array<std::string, 4>& texts)
{
  std::string line;
  for (std::int64_t number : numbers) line += std::to_string(number) + ",";
  line += texts[0] + "," + texts[1] + "," + texts[2] + "," + texts[3] + ";";
  return line;
}

// An item's line, without its line end.
std::string ItemLine(const TovelItem& item)
{
  return ItemLine({item.Left, item.Top, item.Right, item.Bottom, item.Flags}, item.Contents);
}

// The file is written as text: every line feed becomes CR LF.
std::string WithCrLf(const std::string& text)
{
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

} // namespace

TovelParseResult ParseTovel(std::string_view bytes)
{
  TovelParseResult result;
  if (bytes.empty()) {
    result.Problem = "it is empty";
    return result;
  }
  LineSource source(SplitLines(bytes));
  TovelTables tables;
  tables.ClearLinks();

  FieldCursor counts(source.Next());
  const int itemCount = counts.Number();
  counts.SkipPast(';');
  const int bitmapCount = counts.Number();
  if (itemCount < 0 || itemCount > MaxItems) {
    result.Problem = "it gives " + std::to_string(itemCount) +
                     " as its number of items, and a tovel holds 0 to 30 items";
    return result;
  }
  if (bitmapCount < 0 || bitmapCount > MaxBitmaps) {
    result.Problem = "it gives " + std::to_string(bitmapCount) +
                     " as its number of bitmaps, and a tovel uses 0 to 20 bitmaps";
    return result;
  }
  tables.ItemCount = itemCount;
  tables.BitmapCount = bitmapCount;

  FieldCursor names(source.Next());
  for (int i = 0; i < bitmapCount; ++i) {
    tables.BitmapNames[i] = names.TextUpTo(';');
    names.SkipPast(';');
  }

  for (int slot = 0; slot < itemCount; ++slot) {
    FieldCursor cursor(source.Next());
    TovelItem& item = tables.ItemTable[slot];
    item.Left = cursor.Number();
    cursor.SkipPast(',');
    item.Top = cursor.Number();
    cursor.SkipPast(',');
    item.Right = cursor.Number();
    cursor.SkipPast(',');
    item.Bottom = cursor.Number();
    cursor.SkipPast(',');
    item.Flags = cursor.Number();
    for (int entry = 0; entry < 4; ++entry) {
      cursor.SkipPast(',');
      item.Contents[entry] = cursor.TextUpTo(entry < 3 ? ',' : ';');
    }
    item.State = 0;
  }

  ReadLinkRows(source, tables.InputLinks, InputCount);
  ReadLinkRows(source, tables.OutputLinks, OutputCount);
  ReadLinkRows(source, tables.ValueLinks, ValueCount);
  ReadLinkRows(source, tables.MotorLinks, MotorCount);
  for (int& variable : tables.VariableLinks) variable = FieldCursor(source.Next()).Number();

  result.Tables = std::move(tables);
  return result;
}

std::string FormatTovel(const TovelTables& tables)
{
  std::string out;
  out += std::to_string(tables.ItemCount) + ";" + std::to_string(tables.BitmapCount) + ";\n";
  out += NamesLine(tables) + "\n";
  for (int slot = 0; slot < tables.ItemCount; ++slot)
    out += ItemLine(tables.ItemTable[slot]) + "\n";
  out += FormatLinkLines(tables, "\n");
  return WithCrLf(out);
}

std::string FormatItemLine(const std::array<std::int64_t, 5>& numbers,
                           const std::array<std::string, 4>& texts, std::string_view lineEnd)
{
  std::string line = ItemLine(numbers, texts);
  line += lineEnd;
  return line;
}

std::string FormatItemLine(const TovelItem& item, std::string_view lineEnd)
{
  std::string line = ItemLine(item);
  line += lineEnd;
  return line;
}

std::string FormatLinkLines(const TovelTables& tables, std::string_view lineEnd)
{
  std::string out;
  WriteLinkRows(out, tables.InputLinks, InputCount, lineEnd);
  WriteLinkRows(out, tables.OutputLinks, OutputCount, lineEnd);
  WriteLinkRows(out, tables.ValueLinks, ValueCount, lineEnd);
  WriteLinkRows(out, tables.MotorLinks, MotorCount, lineEnd);
  for (int variable : tables.VariableLinks) {
    out += std::to_string(variable) + ";";
    out += lineEnd;
  }
  return out;
}

std::size_t ItemLineLength(const TovelItem& item)
{
  return ItemLine(item).size();
}

std::size_t NamesLineLength(const TovelTables& tables)
{
  return NamesLine(tables).size();
}

TovelReadResult ReadTovelFile(const std::filesystem::path& path)
{
  // A tovel is at most 64 lines of 511 bytes, CR LF doubling at worst; the
  // reader ignores everything after that, so reading more gains nothing.
  constexpr std::size_t enough = 2 * (34 + MaxItems) * MaxTovelLineBytes + 2;
  TovelReadResult result;
  auto file = platform::ReadFileBytes(path, enough);
  if (!file.Error.empty()) {
    result.Error = file.Error;
    return result;
  }
  const std::string_view bytes(reinterpret_cast<const char*>(file.Bytes.data()), file.Bytes.size());
  auto parsed = ParseTovel(bytes);
  if (!parsed.Tables) {
    result.Error =
        platform::DisplayPath(path) + " cannot be opened as a tovel: " + parsed.Problem + ".";
    return result;
  }
  result.Tables = std::move(parsed.Tables);
  return result;
}

std::optional<std::string> ReadTovel(const std::filesystem::path& path)
{
  auto read = ReadTovelFile(path);
  if (!read.Tables) return read.Error;
  ResetTovel();
  TheTovel = std::move(*read.Tables);
  return std::nullopt;
}

std::optional<std::string> UnstorableLine(const TovelTables& tables)
{
  if (NamesLineLength(tables) > MaxTovelLineChars)
    return "The tovel cannot be saved: its list of bitmap names is longer than " +
           std::to_string(MaxTovelLineChars) +
           " characters. Remove a bitmap or use shorter names, then save again.";
  const int items = std::clamp(tables.ItemCount, 0, MaxItems);
  for (int i = 0; i < items; ++i) {
    if (ItemLineLength(tables.ItemTable[i]) > MaxTovelLineChars)
      return "The tovel cannot be saved: item " + std::to_string(i) + " holds more than " +
             std::to_string(MaxTovelLineChars) +
             " characters of numbers and texts. Shorten its texts, then save again.";
  }
  return std::nullopt;
}

std::optional<std::string> WriteTovel(const std::filesystem::path& path)
{
  if (auto problem = UnstorableLine(TheTovel)) return problem;
  return platform::WriteFileSafely(path, FormatTovel(TheTovel));
}
