#include "platform/Listing.h"

#include <algorithm>

#include "platform/FolderEntries.h"
#include "platform/Windows1252.h"

namespace platform {

namespace {

// Plain '*' / '?' matching with backtracking to the most recent '*'.
bool MatchesStars(std::string_view name, std::string_view pattern)
{
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starPattern = std::string_view::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starPattern = p++;
      starName = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
      ++p;
      ++n;
    } else if (starPattern != std::string_view::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

struct ListedName {
  std::string Native;
  NameSortKey Key;
};

bool ListedBefore(const ListedName& a, const ListedName& b)
{
  if (a.Key.Primary != b.Key.Primary) return a.Key.Primary < b.Key.Primary;
  if (a.Key.Secondary != b.Key.Secondary) return a.Key.Secondary < b.Key.Secondary;
  return a.Native < b.Native;
}

std::vector<std::string> ListEntries(const std::filesystem::path& folder, bool wantFolders,
                                     std::string_view pattern)
{
  std::vector<ListedName> listed;
  for (FolderEntry& entry : ReadFolderEntries(folder)) {
    if (!(wantFolders ? entry.IsFolder : entry.IsFile)) continue;
    const std::string shown = NativeNameToUtf8(entry.Native);
    // A name Windows-1252 cannot hold is matched on its UTF-8 text, which
    // agrees with it on every ASCII character a pattern names.
    const auto model = Utf8ToCp1252(shown);
    if (!MatchesWildcard(model ? *model : shown, pattern)) continue;
    listed.push_back({std::move(entry.Native), SortKeyOf(shown)});
  }
  std::sort(listed.begin(), listed.end(), ListedBefore);
  std::vector<std::string> names;
  names.reserve(listed.size());
  for (ListedName& entry : listed) names.push_back(std::move(entry.Native));
  return names;
}

} // namespace

bool ShownNameLess(std::string_view a, std::string_view b)
{
  return ListedBefore({std::string(a), SortKeyOf(a)}, {std::string(b), SortKeyOf(b)});
}

bool MatchesWildcard(std::string_view name, std::string_view pattern)
{
  if (pattern.empty()) return false;
  if (pattern == "*.*") return true;
  if (pattern.back() == '.') {
    if (name.find('.') != std::string_view::npos) return false;
    pattern.remove_suffix(1);
  }
  return MatchesStars(name, pattern);
}

std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view pattern)
{
  return ListEntries(folder, false, pattern);
}

std::vector<std::string> ListFolders(const std::filesystem::path& folder)
{
  return ListEntries(folder, true, "*");
}

} // namespace platform
