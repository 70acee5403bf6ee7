// Strict UTF-8 decoding (what the compile-time texts and the console tool's arguments accept), and
// the conversions of code page 1250 texts to UTF-8 and UTF-16 and back.
#include "engine/codepage.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace kalmira {
namespace {

struct Decoding {
  std::u8string_view bytes;  // decoded from its start
  char32_t codePoint;        // 0 when malformed
  std::size_t length;        // 0 when malformed
};

constexpr Decoding decodings[] = {
    // The smallest value of each length, the largest of all, and the neighbours of the surrogates.
    {u8"5", U'5', 1},
    {u8"\xC2\x80", 0x80, 2},
    {u8"\xE0\xA0\x80", 0x800, 3},
    {u8"\xED\x9F\xBF", 0xD7FF, 3},
    {u8"\xEE\x80\x80", 0xE000, 3},
    {u8"\xF0\x90\x80\x80", 0x10000, 4},
    {u8"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
    // Longer forms of smaller values: "5" in two to four bytes, U+7FF, U+FFFF.
    {u8"\xC0\xB5", 0, 0},
    {u8"\xE0\x80\xB5", 0, 0},
    {u8"\xE0\x9F\xBF", 0, 0},
    {u8"\xF0\x80\x80\xB5", 0, 0},
    {u8"\xF0\x8F\xBF\xBF", 0, 0},
    // Surrogates.
    {u8"\xED\xA0\x80", 0, 0},
    {u8"\xED\xBF\xBF", 0, 0},
    // Above U+10FFFF, and leads of five bytes and more.
    {u8"\xF4\x90\x80\x80", 0, 0},
    {u8"\xF8\x88\x80\x80\x80", 0, 0},
    {u8"\xFF", 0, 0},
    // Cut short: by the end of the text (the bytes that would complete it lie outside the view)
    // and by a byte that does not continue it.
    {std::u8string_view(u8"\xC3\xA1", 1), 0, 0},
    {std::u8string_view(u8"\xE2\x82\xAC", 2), 0, 0},
    {std::u8string_view(u8"\xF0\x9F\x98\x80", 3), 0, 0},
    {u8"\xC3\x41", 0, 0},
    {u8"\x80", 0, 0},
};

TEST(DecodeUtf8, TakesTheShortestFormOfAScalarValueOnly) {
  for (const Decoding& expected : decodings) {
    const std::string hex =
        ::testing::PrintToString(std::string(expected.bytes.begin(), expected.bytes.end()));
    const Utf8Char decoded = decodeUtf8(expected.bytes, 0);
    EXPECT_EQ(decoded.length, expected.length) << hex;
    EXPECT_EQ(decoded.codePoint, expected.codePoint) << hex;
  }
  // A sequence cut short by the end is malformed wherever it stands.
  EXPECT_EQ(decodeUtf8(std::u8string_view(u8"ab\xC3\xA1", 3), 2).length, 0u);
  EXPECT_EQ(decodeUtf8(u8"ab\xC3\xA1", 2).codePoint, 0xE1u);
  // The tests' own converter reports malformed text instead of going round on it.
  EXPECT_NONFATAL_FAILURE(testing::cp(u8"a\xFF"), "UTF-8 byte 1");
}

TEST(Cp1250, CzechAndSlovakLettersReadAsTheyAre) {
  const std::string text = testing::cp(u8"Nesprávna hodnota dňa: ďťľĺŕôäúůžščřěň „“ – …");
  char16_t wide[64];
  cp1250ToUtf16(text, wide, 64);
  EXPECT_EQ(std::u16string(wide), u"Nesprávna hodnota dňa: ďťľĺŕôäúůžščřěň „“ – …");
  EXPECT_EQ(cp1250ToUtf8(text),
            reinterpret_cast<const char*>(u8"Nesprávna hodnota dňa: ďťľĺŕôäúůžščřěň „“ – …"));
}

TEST(Cp1250, EveryDefinedByteGoesThereAndBack) {
  for (int byte = 1; byte < 256; ++byte) {
    const char text[2] = {static_cast<char>(byte), '\0'};
    char16_t wide[2];
    cp1250ToUtf16(text, wide, 2);
    char back[2];
    utf16ToCp1250(wide, back, 2);
    const std::string utf8 = cp1250ToUtf8(text);
    if (cp1250ToUnicode(text[0]) == 0) {  // one of the five bytes the code page leaves undefined
      EXPECT_EQ(wide[0], u'?') << byte;
      EXPECT_EQ(utf8, "\xEF\xBF\xBD") << byte;
    } else {
      EXPECT_EQ(static_cast<unsigned char>(back[0]), byte) << byte;
      EXPECT_EQ(utf8ToCp1250(utf8), std::string(text)) << byte;
    }
  }
}

TEST(Cp1250, CutsShortInsteadOfOverflowing) {
  char16_t wide[4] = {u'x', u'x', u'x', u'x'};
  EXPECT_EQ(cp1250ToUtf16("abcdef", wide, 4), 3u);
  EXPECT_EQ(std::u16string(wide), u"abc");
  char narrow[3];
  utf16ToCp1250(u"Čínsky", narrow, 3);
  EXPECT_EQ(std::string(narrow), testing::cp(u8"Čí"));
}

TEST(Cp1250, WhatTheCodePageLacksBecomesAQuestionMark) {
  char narrow[8];
  utf16ToCp1250(u"a€∞β", narrow, 8);  // the euro sign is in code page 1250, infinity and beta are not
  EXPECT_EQ(std::string(narrow), testing::cp(u8"a€??"));
  std::size_t failure = 0;
  EXPECT_EQ(utf8ToCp1250(std::string_view("a\xFF\xE2\x88\x9E"), &failure), "a??");
  EXPECT_EQ(failure, 1u);
}

}  // namespace
}  // namespace kalmira
