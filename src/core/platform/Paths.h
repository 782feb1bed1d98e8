// Turning the Windows-style paths that tovels and the settings file hold
// into paths this system can open.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// folder + "\" + name. One backslash is always inserted, even when the folder
// already ends with one: "C:\" and "x" give "C:\\x", which NativePath (like
// the Windows file system) reads as "C:\x".
std::string JoinTovelsPath(const std::string& folder, const std::string& name);

// Converts a Windows-style path held as Windows-1252 bytes into a native
// path. Backslashes and slashes both separate components; a leading drive
// "X:" stands for the root "/"; repeated separators collapse, "." components
// and a trailing separator drop. A native path ("/home/a/tovels") keeps its
// form, and a relative path stays relative (to the current folder).
//
// Because Windows ignores letter case, each component that does not exist
// exactly as written is looked up ignoring case among the entries of the
// folder reached so far; of several matches the first in byte order is taken.
// Once a component matches nothing it and everything after it are kept as
// given, so opening the result reports the file as missing. ".." components
// are kept without lookup.
std::filesystem::path NativePath(const std::string& windowsPath);

// The text of a native path (UTF-8) as Windows-1252 bytes, for storing in a
// tovel. std::nullopt when it holds a character Windows-1252 lacks or is not
// valid UTF-8. Pass path.filename() to convert just the name.
std::optional<std::string> NativeToModelName(const std::filesystem::path& nativePath);

} // namespace platform
