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

// A file name as this system gives it, as UTF-8 text for showing: unchanged
// when it is valid UTF-8, else its bytes read as Windows-1252, the form names
// written on Windows take.
std::string NativeNameToUtf8(std::string_view name);

// Sort keys of a name in UTF-8, for lists that sort as the user expects.
// Primary holds each character lower-cased and without its accent (A and a
// with diaeresis give "a", the sharp s gives "ss"); Secondary holds each
// character lower-cased, accent kept. Characters that Windows-1252 lacks, and bytes
// that are not UTF-8, stand for themselves in both.
struct NameSortKey {
  std::u32string Primary;
  std::u32string Secondary;
};
NameSortKey SortKeyOf(std::string_view utf8);

} // namespace platform
