// Conversion between the Windows-1252 bytes stored in tovel files and the
// UTF-8 text used for native file names, plus case folding on those bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Every byte becomes one code point. The five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same value, so that any byte string survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// The inverse of Cp1252ToUtf8. Gives std::nullopt when the text is not valid
// UTF-8 or holds a character that has no Windows-1252 byte.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// True when the text is well-formed UTF-8: no stray continuation bytes, no
// truncated sequences, no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Lower-cases one Windows-1252 byte: ASCII letters, the Latin-1 capitals
// 0xC0-0xDE (except the multiplication sign 0xD7), and the capitals
// S/Z with caron, OE ligature and Y with diaeresis. Other bytes pass through.
char FoldCase(char c);

// Compares two Windows-1252 strings byte by byte after FoldCase.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

} // namespace platform
