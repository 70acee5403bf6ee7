// Strict UTF-8 decoding: what the compile-time texts and the console tool's arguments accept.
#include "engine/codepage.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kalmira
