// Windows only: the UTF-16 text of the wide Win32 API, converted explicitly
// from and to UTF-8 and Windows-1252, never through the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-8 to UTF-16; a malformed sequence becomes U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// Windows-1252 bytes (a model string) to UTF-16, as Cp1252ToUtf8 reads them.
std::wstring WideFromModel(std::string_view bytes);

} // namespace platform
