// Listing the files and folders of a folder the way the Windows file
// dialogs and directory searches list them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Windows wildcard match on Windows-1252 bytes, ignoring letter case:
// '*' matches any run of characters (also none), '?' exactly one.
// A pattern ending in '.' (such as "*.") matches only names without a dot,
// and "*.*" matches every name, dotted or not. An empty pattern matches
// nothing.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

// The order of names in the program's lists, on their UTF-8 text: letters
// compare ignoring case and accents first, so that a name starting with A
// with diaeresis sorts among the A's; then accents count, then case, then
// the bytes.
bool ShownNameLess(std::string_view a, std::string_view b);

// Native names of the regular files directly in `folder`, symbolic links to
// regular files included, whose names match `pattern`, in the order of
// ShownNameLess. A native name is the name's bytes on POSIX and its UTF-8
// text on Windows; PathFromUtf8 turns it back into a path on both. Every such file is listed: a
// name that is not valid UTF-8 is read as Windows-1252 (NativeNameToUtf8) for matching and sorting,
// and one that Windows-1252 cannot hold is matched on its UTF-8 text. Nothing is opened. A folder
// that is missing or cannot be read gives an empty list.
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view pattern);

// Native names of the folders directly in `folder` (links to folders
// included), with the same conversion, sorting and error rules as ListFiles.
std::vector<std::string> ListFolders(const std::filesystem::path& folder);

} // namespace platform
