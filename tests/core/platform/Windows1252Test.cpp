#include <gtest/gtest.h>

#include "platform/Windows1252.h"

using namespace platform;

TEST(Windows1252, EveryByteSurvivesARoundTrip)
{
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToCp1252(utf8), all);

  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");     // undefined byte keeps its value
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");     // Y with diaeresis
  EXPECT_EQ(Cp1252ToUtf8("M\xFCller"), "M\xC3\xBCller");
}

TEST(Windows1252, RefusesTextItCannotHold)
{
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC 5"), "\x80 5");
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), std::nullopt);     // a CJK character
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), std::nullopt); // emoji, valid UTF-8
  EXPECT_EQ(Utf8ToCp1252("\xC2\x80"), std::nullopt);         // U+0080: 0x80 is the euro sign

  for (const char* broken : {"\xC3", "\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                             "\xF4\x90\x80\x80", "\xC3\x28", "\xFF"}) {
    EXPECT_FALSE(IsValidUtf8(broken)) << broken;
    EXPECT_EQ(Utf8ToCp1252(broken), std::nullopt) << broken;
  }
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80 \xC3\xA9"));
  EXPECT_TRUE(IsValidUtf8(""));
}

TEST(Windows1252, FoldsUpperCaseLetters)
{
  for (int c = 'A'; c <= 'Z'; ++c) {
    EXPECT_EQ(FoldCase(static_cast<char>(c)), static_cast<char>(c + 32));
  }
  for (int c = 0xC0; c <= 0xDE; ++c) {
    const char expected = static_cast<char>(c == 0xD7 ? c : c + 32);
    EXPECT_EQ(FoldCase(static_cast<char>(c)), expected) << c;
  }
  EXPECT_EQ(FoldCase('\x8A'), '\x9A');
  EXPECT_EQ(FoldCase('\x8C'), '\x9C');
  EXPECT_EQ(FoldCase('\x8E'), '\x9E');
  EXPECT_EQ(FoldCase('\x9F'), '\xFF');
  for (char unchanged : {'a', 'z', '0', '[', '\xDF', '\xF7', '\x80', '\0'}) {
    EXPECT_EQ(FoldCase(unchanged), unchanged);
  }

  EXPECT_TRUE(EqualsIgnoreCase("PUMPS\\Pump.BMP", "pumps\\pump.bmp"));
  EXPECT_TRUE(EqualsIgnoreCase("\xC4RGER \x8A", "\xE4rger \x9A"));
  EXPECT_FALSE(EqualsIgnoreCase("\xD7", "\xF7"));
  EXPECT_FALSE(EqualsIgnoreCase("pump", "pumps"));
  EXPECT_FALSE(EqualsIgnoreCase("[", "{")); // 0x5B and 0x7B differ by 32 but are no letters
}
