// Reading the control program's settings file, KESTRO2.INI, which names the
// folder that holds the tovels.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view KestroSection = "LOCATIONS";
inline constexpr std::string_view KestroTovelsKey = "TOVELS";
inline constexpr std::string_view KestroTovelsDefault = "C:\\";
inline constexpr std::size_t KestroMaxChars = 255;

// Where the settings file is: the file named by the environment variable
// KESTRO2_INI when that is set and not empty (whether or not the file
// exists). Otherwise, on Windows, KESTRO2.INI in the Windows folder, where
// the control program keeps it; on POSIX, $XDG_CONFIG_HOME/KESTRO2.INI
// ($HOME/.config when XDG_CONFIG_HOME is unset or empty) if that file
// exists, else /etc/KESTRO2.INI.
std::filesystem::path FindKestroIni();

// Reads one value from an INI file. Lines "[Section]" open a section and
// lines "key=value" hold values; section and key names are compared ignoring
// case and lines starting with ';' are comments. Spaces and tabs around key
// and value are dropped, and so are quotes (single or double) enclosing the
// whole value. The first matching key in the first matching section wins; a
// key with an empty value gives "". A missing file, section or key gives
// defaultValue, and so does a file that cannot be read or is no regular file
// (a pipe or a device is never opened). The result is cut to its first maxChars bytes, which are
// returned exactly as the file holds them.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t maxChars = KestroMaxChars);

// The same lookup in the text of a settings file held in memory.
std::string ParseProfileString(std::string_view contents, std::string_view section,
                               std::string_view key, std::string_view defaultValue,
                               std::size_t maxChars = KestroMaxChars);

// How much of a settings file is read at most.
inline constexpr std::size_t MaxProfileBytes = 1024 * 1024;

// The TOVELS entry of the LOCATIONS section of the settings file as
// Windows-1252 bytes ("C:\" when absent). A value written as UTF-8 (by an
// editor on this system) is converted when Windows-1252 can hold it.
std::string ReadTovelsFolderSetting();

} // namespace platform
