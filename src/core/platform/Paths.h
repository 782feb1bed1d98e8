// Turning the Windows-style paths that tovels and the settings file hold
// into paths this system can open, and paths into text and back.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// folder + "\" + name. One backslash is always inserted, even when the folder
// already ends with one: "C:\" and "x" give "C:\\x", which NativePath (like
// the Windows file system) reads as "C:\x".
std::string JoinTovelsPath(const std::string& folder, const std::string& name);

// Converts a Windows-style path held as Windows-1252 bytes into a native
// path. Backslashes and slashes both separate components; repeated
// separators collapse, "." components and a trailing separator drop, and a
// relative path stays relative (to the current folder).
//
// On Windows the path keeps its drive ("C:\"), server ("\\server\share")
// and ".." components, is written with backslashes and converted to UTF-16
// from Windows-1252; the file system itself ignores letter case. A device
// or verbatim path ("\\.\COM1", "\\?\C:\x") is kept as written.
//
// On POSIX a leading drive "X:" or server "\\" stands for the root "/", and
// a native path ("/home/a/tovels") keeps its form. Because Windows ignores
// letter case, each component that does not exist exactly as written is
// looked up ignoring case among the entries of the folder reached so far; of
// several matches the first in byte order is taken. Once a component
// matches nothing it and everything after it are kept as given, so opening
// the result reports the file as missing. ".." components are kept without
// lookup.
std::filesystem::path NativePath(const std::string& windowsPath);

// The name (or path) of a native path as Windows-1252 bytes, for storing in
// a tovel. std::nullopt when it holds a character Windows-1252 lacks, or, on
// POSIX, when the name is not valid UTF-8. Pass path.filename() to convert
// just the name.
std::optional<std::string> NativeToModelName(const std::filesystem::path& nativePath);

// A path from text the user typed or the command line gave, as UTF-8, and
// from the native names that ListFiles and ListFolders give. On Windows the
// text is converted from UTF-8 to UTF-16; on POSIX the bytes are the path as
// they are. Use it wherever a std::string becomes a path: the implicit
// conversion reads the text in the system's code page on Windows.
std::filesystem::path PathFromUtf8(std::string_view text);

// The inverse of PathFromUtf8: the path as UTF-8 on Windows, its bytes as
// they are on POSIX. For showing a path, DisplayPath is the one to use.
std::string Utf8FromPath(const std::filesystem::path& path);

} // namespace platform
