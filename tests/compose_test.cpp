// Composition of pieces and pads into finished texts, and the first-match lookup, on small pieces
// of their own.
#include "engine/compose.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace kalmira {
namespace {

constexpr auto first =
    piece<14>("first", text(u8"Ryby"), spaces(2), pad, text(u8"čte"), shortPad, text(u8"."));
constexpr auto second = piece<10>("second", textSoFar, text(u8"|"), longPad, text(u8"end"), pad);
constexpr Piece sample[] = {first.view(), second.view()};
constexpr PadLengths smallPads{.pad = 1, .shortPad = 2, .longPad = 3};
constexpr PadLengths widePads{.pad = 123, .shortPad = 2};

TEST(Piece, HoldsCodePage1250BytesWithPlaceholders) {
  EXPECT_EQ(std::string(first.bytes.data()), testing::cp(u8"Ryby  %sčte%s."));
  EXPECT_EQ(first.placeholders, 2u);
  EXPECT_EQ(first.fills[0], Fill::Pad);
  EXPECT_EQ(first.fills[1], Fill::ShortPad);
  EXPECT_EQ(second.fills[0], Fill::TextSoFar);
  static_assert(followsCompositionRule(sample));
}

TEST(ComposeAtCompileTime, FillsEachPlaceholderWithItsPadAndAppends) {
  constexpr auto& text = finishedText<21, smallPads, first, second>;
  static_assert(composedLength(sample, smallPads) == 21);
  EXPECT_EQ(text.view(), testing::cp(u8"Ryby   čte  .|   end "));
  EXPECT_EQ(text.bytes[21], '\0');
  // Every space of a pad is kept, next to the spaces the piece has of its own.
  EXPECT_EQ(testing::runsOfSpaces(finishedText<262, widePads, first, second>.view(), 2), "125 2 123");
}

TEST(ComposeAtCompileTime, RuleViolationsAreCaught) {
  static constexpr auto takesTextFirst = piece<3>("bad first", textSoFar, text(u8"a"));
  static constexpr auto noTextSoFar = piece<3>("bad later", pad, text(u8"a"));
  static constexpr auto textSoFarLater = piece<5>("late", text(u8"a"), textSoFar, text(u8"b"), text(u8"c"));
  static constexpr Piece a[] = {takesTextFirst.view()};
  static constexpr Piece b[] = {first.view(), noTextSoFar.view()};
  static constexpr Piece c[] = {first.view(), textSoFarLater.view()};
  static_assert(!followsCompositionRule(a));
  static_assert(!followsCompositionRule(b));
  static_assert(!followsCompositionRule(c));
}

TEST(SignText, TheNotFoundMessageForNoSign) {
  constexpr std::string_view texts[] = {"a", "b"};
  EXPECT_EQ(signText(1, texts), "b");
  EXPECT_EQ(signText(-1, texts), testing::cp(u8"Nastala chyba nemôžem nájsť tvoje znamenie"));
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

}  // namespace
}  // namespace kalmira
