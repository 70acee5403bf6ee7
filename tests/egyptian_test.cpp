// The Egyptian gods: which god a date gets, and the exact layout of each god's text.
#include <gtest/gtest.h>

#include <string_view>

#include "tests/test_support.h"

namespace kalmira {
namespace {

using testing::cp;
using testing::spaces;

constexpr int egyptian = 3;

std::string text(int day, int month, int year = 1980) {
  return testing::generateText(egyptian, day, month, year);
}

constexpr std::u8string_view headings[] = {
    u8"Amon - Ra", u8"Mut",  u8"Isis",   u8"Horus",  u8"Geb",    u8"Sechmet",
    u8"Toth",      u8"Seth", u8"Osiris", u8"Anubis", u8"Hathor",
};

std::string signOf(int day, int month) { return testing::headingOf(text(day, month), headings); }

TEST(EgyptianSigns, BoundaryDays) {
  const testing::DateSign boundaries[] = {
      {29, 1, "Hathor"},  {30, 1, "Amon - Ra"}, {1, 3, "Amon - Ra"}, {2, 3, "Mut"},        {3, 4, "Mut"},
      {4, 4, "Isis"},     {6, 5, "Isis"},       {7, 5, "Horus"},     {8, 6, "Horus"},      {9, 6, "Geb"},
      {12, 7, "Geb"},     {13, 7, "Sechmet"},   {14, 8, "Sechmet"},  {15, 8, "Toth"},      {16, 9, "Toth"},
      {17, 9, "Seth"},    {20, 10, "Seth"},     {21, 10, "Osiris"},  {25, 11, "Osiris"},   {26, 11, "Anubis"},
      {28, 12, "Anubis"}, {29, 12, "Hathor"},   {31, 12, "Hathor"},  {31, 1, "Amon - Ra"},
  };
  testing::expectSignsOfDates(signOf, boundaries);
}

TEST(EgyptianSigns, AmonRaTakesTheWholeOfFebruary) {
  for (int day = 1; day <= 31; ++day) EXPECT_EQ(signOf(day, 2), "Amon - Ra") << day << ". 2.";
  EXPECT_EQ(signOf(-1, 2), "Amon - Ra");
  EXPECT_EQ(signOf(-2147483647 - 1, 2), "Amon - Ra");
  EXPECT_EQ(signOf(2147483647, 2), "Amon - Ra");
}

TEST(EgyptianSigns, DaysOutsideTheCalendar) {
  const testing::DateSign days[] = {
      {29, 2, "Amon - Ra"}, {30, 2, "Amon - Ra"}, {31, 2, "Amon - Ra"}, {31, 4, "Isis"},
      {31, 6, "Geb"},       {31, 9, "Seth"},      {31, 11, "Anubis"},   {2147483647, 12, "Hathor"},
  };
  testing::expectSignsOfDates(signOf, days);
}

// A negative day satisfies the clause that ends a sign in its month.
TEST(EgyptianSigns, NegativeDaysTakeTheSignThatEndsInTheirMonth) {
  const char* signs[] = {"Hathor", "Amon - Ra", "Amon - Ra", "Mut",  "Isis",   "Horus",
                         "Geb",    "Sechmet",   "Toth",      "Seth", "Osiris", "Anubis"};
  testing::expectNegativeDaysFallIn(signOf, signs);
}

TEST(EgyptianSigns, MonthOutsideTheYearGivesTheNotFoundText) {
  testing::expectNotFoundOutsideTheYear(egyptian);
}

TEST(EgyptianSigns, TheYearHasNoEffect) { testing::expectYearHasNoEffect(egyptian, 15, 8); }

// Every day from -5 to 40 of every month from -2 to 14 gives exactly one god's text or the
// not-found text, terminated inside the result text.
TEST(EgyptianSigns, EveryDateOfAGridGivesOneSignOrNotFound) {
  auto signTexts = testing::textsOfTheFifteenths(egyptian);
  signTexts.insert(text(30, 1));
  ASSERT_EQ(signTexts.size(), 11u);
  testing::expectGridGivesOneSignOrNotFound(egyptian, signTexts);
}

struct Layout {
  int day, month;
  std::u8string_view heading;
  std::size_t spacesAfterHeading, padAt, composed;
  std::u8string_view closing;  // the European signs of the last sentence, as written
};

const Layout layouts[] = {
    {1, 2, u8"Amon - Ra", 32, 41, 1617, u8"s Vodnářem a Rybami"},
    {15, 3, u8"Mut", 36, 39, 1549, u8"s Rybami a Beranem"},
    {15, 4, u8"Isis", 37, 41, 1740, u8"s Beranem a Býkem"},
    {15, 5, u8"Horus", 36, 41, 1657, u8"s Býkem a Blíženci"},
    {15, 6, u8"Geb", 38, 41, 1489, u8"s Blíženci a Raky"},
    {15, 7, u8"Sechmet", 36, 43, 1550, u8"s Rakem a Lvem"},
    {15, 8, u8"Toth", 39, 43, 1820, u8"se Lvem a Pannou"},
    {1, 10, u8"Seth", 39, 43, 1649, u8"s Pannou a Váhami"},
    {1, 11, u8"Osiris", 38, 44, 1531, u8"se Štírem a Střelcem"},
    {1, 12, u8"Anubis", 38, 44, 1426, u8"se Střelcem a Kozorohem"},
    {15, 1, u8"Hathor", 38, 44, 1626, u8"s Kozorohem a Vodnářem"},
};

// The heading, its run and the pad in one run of spaces, then the paragraph with no run of its
// own and no tab or line break anywhere.
TEST(EgyptianTexts, LengthsAndThePadStandWhereTheyBelong) {
  for (const Layout& l : layouts) {
    SCOPED_TRACE(signOf(l.day, l.month));
    EXPECT_EQ(signOf(l.day, l.month), std::string(l.heading.begin(), l.heading.end()));
    const std::string t = text(l.day, l.month);
    const std::string heading = cp(l.heading);
    EXPECT_EQ(t.size(), l.composed);
    EXPECT_EQ(heading.size() + l.spacesAfterHeading, l.padAt);
    EXPECT_EQ(t.substr(0, heading.size()), heading);
    EXPECT_EQ(t.substr(heading.size(), l.spacesAfterHeading + 123), spaces(l.spacesAfterHeading + 123));
    EXPECT_NE(t[l.padAt + 123], ' ');
    EXPECT_EQ(testing::runsOfSpaces(t.substr(heading.size()), 2), std::to_string(l.spacesAfterHeading + 123));
    testing::expectNoneOf(t, "\t\r\n%");
  }
}

// The heading "Amon - Ra" is the one with runs of single spaces inside it.
TEST(EgyptianTexts, AmonRasHeadingKeepsItsSpaces) {
  const std::string t = text(1, 2);
  EXPECT_EQ(t.substr(0, 9 + 32 + 123), cp(u8"Amon - Ra") + spaces(32 + 123));
}

TEST(EgyptianTexts, EachParagraphClosesWithItsCorrespondence) {
  for (const Layout& l : layouts) {
    SCOPED_TRACE(signOf(l.day, l.month));
    const std::u8string_view name = l.heading == u8"Amon - Ra" ? u8"Amon-Ra" : l.heading;
    const std::string closing =
        cp(u8" V západní astrologii znamení ") + cp(name) + cp(u8" koresponduje ") + cp(l.closing) + ".";
    const std::string t = text(l.day, l.month);
    ASSERT_GE(t.size(), closing.size());
    EXPECT_EQ(t.substr(t.size() - closing.size()), closing);
    EXPECT_EQ(t.find(cp(u8"V západní astrologii")), t.size() - closing.size() + 1);
  }
}

TEST(EgyptianTexts, TothOnTheFifteenthOfAugust) {
  const std::string toth = text(15, 8);
  EXPECT_EQ(toth.size(), 1820u);
  EXPECT_EQ(toth.substr(0, 4 + 162), "Toth" + spaces(39 + 123));
  EXPECT_NE(toth[4 + 162], ' ');
}

}  // namespace
}  // namespace kalmira
