#include "platform/Windows1252.h"

#include <array>
#include <cstdint>

namespace platform {

namespace {

// Code points of the bytes 0x80-0x9F. The undefined bytes map to themselves.
constexpr std::array<char32_t, 32> HighControlTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char32_t CodePointOf(unsigned char byte)
{
  if (byte >= 0x80 && byte <= 0x9F) return HighControlTable[byte - 0x80u];
  return byte;
}

std::optional<unsigned char> ByteOf(char32_t cp)
{
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < HighControlTable.size(); ++i) {
    if (HighControlTable[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp)
{
  auto put = [&out](std::uint32_t value) { out.push_back(static_cast<char>(value & 0xFFu)); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0u | (cp >> 6));
    put(0x80u | (cp & 0x3Fu));
  } else {
    // Every Windows-1252 character lies in the Basic Multilingual Plane.
    put(0xE0u | (cp >> 12));
    put(0x80u | ((cp >> 6) & 0x3Fu));
    put(0x80u | (cp & 0x3Fu));
  }
}

// Decodes the sequence starting at text[pos]; advances pos past it. Gives
// std::nullopt for any malformed sequence.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos)
{
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1Fu;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0Fu;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07u;
    minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - pos < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0u) != 0x80u) return std::nullopt;
    cp = (cp << 6) | (next & 0x3Fu);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  pos += length;
  return cp;
}

// The letters a lower-case Windows-1252 byte sorts as without its accent;
// empty for a byte that sorts as itself.
std::string_view BaseLetters(unsigned char folded)
{
  if (folded >= 0xE0 && folded <= 0xE5) return "a";
  if (folded >= 0xE8 && folded <= 0xEB) return "e";
  if (folded >= 0xEC && folded <= 0xEF) return "i";
  if ((folded >= 0xF2 && folded <= 0xF6) || folded == 0xF8) return "o";
  if (folded >= 0xF9 && folded <= 0xFC) return "u";
  switch (folded) {
  case 0x83: // f with hook
    return "f";
  case 0x9A: // s caron
    return "s";
  case 0x9C: // oe ligature
    return "oe";
  case 0x9E: // z caron
    return "z";
  case 0xDF: // sharp s
    return "ss";
  case 0xE6: // ae ligature
    return "ae";
  case 0xE7: // c cedilla
    return "c";
  case 0xF0: // eth
    return "d";
  case 0xF1: // n tilde
    return "n";
  case 0xFD: // y acute
  case 0xFF: // y diaeresis
    return "y";
  case 0xFE: // thorn
    return "th";
  default:
    return {};
  }
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes)
{
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8)
{
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto cp = DecodeUtf8(utf8, pos);
    if (!cp) return std::nullopt;
    const auto byte = ByteOf(*cp);
    if (!byte) return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

bool IsValidUtf8(std::string_view text)
{
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (!DecodeUtf8(text, pos)) return false;
  }
  return true;
}

char FoldCase(char c)
{
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 0x20);
  if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 0x20);
  switch (byte) {
  case 0x8A: // S caron
  case 0x8C: // OE ligature
  case 0x8E: // Z caron
    return static_cast<char>(byte + 0x10);
  case 0x9F: // Y diaeresis
    return static_cast<char>(0xFF);
  default:
    return c;
  }
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string NativeNameToUtf8(std::string_view name)
{
  return IsValidUtf8(name) ? std::string(name) : Cp1252ToUtf8(name);
}

NameSortKey SortKeyOf(std::string_view utf8)
{
  NameSortKey key;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    auto cp = DecodeUtf8(utf8, pos);
    if (!cp) cp = CodePointOf(static_cast<unsigned char>(utf8[pos++]));
    const auto byte = ByteOf(*cp);
    if (!byte) {
      key.Primary.push_back(*cp);
      key.Secondary.push_back(*cp);
      continue;
    }
    const auto folded = static_cast<unsigned char>(FoldCase(static_cast<char>(*byte)));
    key.Secondary.push_back(CodePointOf(folded));
    const std::string_view base = BaseLetters(folded);
    if (base.empty())
      key.Primary.push_back(CodePointOf(folded));
    else
      key.Primary.append(base.begin(), base.end());
  }
  return key;
}

} // namespace platform
