// Composition of pieces, pads and the first-match lookup, on small pieces of their own.
#include "engine/compose.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/test_support.h"

namespace kalmira {
namespace {

constexpr auto first =
    piece<14>("first", text(u8"Ryby"), spaces(2), pad, text(u8"čte"), shortPad, text(u8"."));
constexpr auto second = piece<10>("second", textSoFar, text(u8"|"), longPad, text(u8"end"), pad);
constexpr Piece sample[] = {first.view(), second.view()};

std::string composed(std::span<const Piece> pieces, const Pads& pads) {
  ResultText out;
  std::memset(out, 'Z', sizeof out);
  composePieces(out, pieces, pads);
  return out;
}

TEST(Piece, HoldsCodePage1250BytesWithPlaceholders) {
  EXPECT_EQ(std::string(first.bytes.data()), testing::cp(u8"Ryby  %sčte%s."));
  EXPECT_EQ(first.placeholders, 2u);
  EXPECT_EQ(first.fills[0], Fill::Pad);
  EXPECT_EQ(first.fills[1], Fill::ShortPad);
  EXPECT_EQ(second.fills[0], Fill::TextSoFar);
  static_assert(followsCompositionRule(sample));
}

TEST(ComposePieces, ReplacesPlaceholdersInOrderAndAppends) {
  const Pads pads{.pad = "_", .shortPad = "..", .longPad = "---"};
  EXPECT_EQ(composed(sample, pads), testing::cp(u8"Ryby  _čte...|---end_"));
  static_assert(composedLength(sample, {.pad = 1, .shortPad = 2, .longPad = 3}) == 21);
}

TEST(ComposePieces, KeepsEverySpaceOfThePads) {
  char padBuffer[200];
  const std::string_view pad = makePad(padBuffer, 123);
  const std::string text = composed(sample, {.pad = pad, .shortPad = "  ", .longPad = ""});
  EXPECT_EQ(text.size(), composedLength(sample, {.pad = 123, .shortPad = 2}));
  EXPECT_EQ(testing::runsOfSpaces(text, 2), "125 2 123");
}

TEST(ComposePieces, ReplacesWhatTheBufferHeld) {
  static constexpr auto only = piece<2>("only", text(u8"ab"));
  static constexpr Piece pieces[] = {only.view()};
  EXPECT_EQ(composed(pieces, {}), "ab");
}

// A table whose text would not fit: composition stops at the end of the buffer instead of
// writing past it (the real tables are proven to fit at compile time).
TEST(ComposePieces, NeverWritesPastTheResultText) {
  static constexpr auto big = piece<4>("big", text(u8"x"), pad, text(u8"y"));
  static constexpr Piece pieces[] = {big.view(), second.view(), second.view()};
  const std::string huge(resultTextSize * 2, ' ');
  struct {
    ResultText out;
    char guard[16];
  } buffer;
  std::memset(&buffer, 'G', sizeof buffer);
  composePieces(buffer.out, pieces, {.pad = huge, .shortPad = huge, .longPad = huge});
  EXPECT_EQ(buffer.out[resultTextSize - 1], '\0');
  EXPECT_EQ(std::strlen(buffer.out), resultTextSize - 1);
  EXPECT_EQ(std::string(buffer.guard, sizeof buffer.guard), std::string(16, 'G'));
}

TEST(ComposePieces, RuleViolationsAreCaughtAtCompileTime) {
  static constexpr auto takesTextFirst = piece<3>("bad first", textSoFar, text(u8"a"));
  static constexpr auto noTextSoFar = piece<3>("bad later", pad, text(u8"a"));
  static constexpr auto textSoFarLater = piece<5>("late", text(u8"a"), textSoFar, text(u8"b"), text(u8"c"));
  static constexpr Piece a[] = {takesTextFirst.view()};
  static constexpr Piece b[] = {first.view(), noTextSoFar.view()};
  static constexpr Piece c[] = {first.view(), textSoFarLater.view()};
  static_assert(!followsCompositionRule(a));
  static_assert(!followsCompositionRule(b));
  static_assert(!followsCompositionRule(c));
  static constexpr std::span<const Piece> oversized[] = {sample};
  static_assert(fitsResultText(oversized, {.pad = 100}));
  static_assert(!fitsResultText(oversized, {.pad = 3000}));
}

TEST(WriteWholeText, WritesTheMessageAlone) {
  ResultText out;
  std::memset(out, 'Z', sizeof out);
  writeWholeText(out, signNotFoundMessage.view());
  EXPECT_EQ(std::string(out), testing::cp(u8"Nastala chyba nemôžem nájsť tvoje znamenie"));
}

TEST(FindSign, TakesTheFirstSignWhoseClauseHolds) {
  constexpr SignCondition signs[] = {
      {from(1, 10), until(2, 5)},
      {from(2, 5), until(3, 1)},  // 5 February is also the first sign's: the first wins
      {wholeMonth(3), after(3, 100), before(4, 3)},
  };
  EXPECT_EQ(findSign(signs, 1, 10), 0);
  EXPECT_EQ(findSign(signs, 1, 9), -1);
  EXPECT_EQ(findSign(signs, 2, 5), 0);
  EXPECT_EQ(findSign(signs, 2, 6), 1);
  EXPECT_EQ(findSign(signs, 3, 1), 1);
  EXPECT_EQ(findSign(signs, 3, 2), 2);
  EXPECT_EQ(findSign(signs, 3, -40), 1);
  EXPECT_EQ(findSign(signs, 4, 2), 2);
  EXPECT_EQ(findSign(signs, 4, 3), -1);
  EXPECT_EQ(findSign(signs, -1, 1), -1);
}

TEST(MakePad, BuildsSpacesInsideItsBuffer) {
  char buffer[200];
  EXPECT_EQ(makePad(buffer, 156), std::string(156, ' '));
  EXPECT_EQ(buffer[156], '\0');
  EXPECT_EQ(makePad(buffer, 500).size(), 199u);
}

}  // namespace
}  // namespace kalmira
