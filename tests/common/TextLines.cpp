#include "common/TextLines.h"

std::vector<std::string> SplitLines(const std::string& text, char lineEnd)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find(lineEnd, start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no line end>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

TovelTables EmptyTables()
{
  TovelTables tables;
  tables.ClearLinks();
  return tables;
}
