// The European zodiac with short texts: the same signs as the long texts, and the heading, pad
// and characterisation of each.
#include <gtest/gtest.h>

#include <cctype>

#include "engine/european_signs.h"
#include "tests/test_support.h"

namespace kalmira {
namespace {

using testing::cp;
using testing::spaces;

constexpr int european = 0;
constexpr int europeanShort = 5;

std::string text(int day, int month, int year = 1980) {
  return testing::generateText(europeanShort, day, month, year);
}

std::string signOfText(const std::string& generated) {
  return testing::headingOf(generated, europeanSignHeadings);
}

std::string signOf(int day, int month) { return signOfText(text(day, month)); }

TEST(EuropeanShortSigns, BoundaryDays) { testing::expectSignsOfDates(signOf, testing::europeanBoundaryDays); }

TEST(EuropeanShortSigns, DaysBeyondTheEndOfTheMonth) {
  const testing::DateSign days[] = {
      {29, 2, "Ryby"}, {30, 2, "Ryby"}, {31, 2, "Ryby"},     {31, 4, "Býk"},
      {31, 6, "Rak"},  {31, 9, "Váhy"}, {31, 11, "Strelec"}, {2147483647, 12, "Kozorožec"},
  };
  testing::expectSignsOfDates(signOf, days);
}

// A day of 0 or less falls in the sign that ends in its month.
TEST(EuropeanShortSigns, NegativeDaysTakeTheSignThatEndsInTheMonth) {
  const char* endingIn[] = {
      "Kozorožec", "Vodnár", "Ryby",  "Baran", "Býk",      "Blíženci",
      "Rak",       "Lev",    "Panna", "Váhy",  "Škorpión", "Strelec",
  };
  testing::expectNegativeDaysFallIn(signOf, endingIn);
  EXPECT_EQ(signOf(-5, 4), "Baran");
  EXPECT_EQ(signOf(-1, 1), "Kozorožec");
}

TEST(EuropeanShortSigns, MonthOutsideTheYearGivesTheNotFoundText) {
  testing::expectNotFoundOutsideTheYear(europeanShort);
}

TEST(EuropeanShortSigns, TheYearHasNoEffect) { testing::expectYearHasNoEffect(europeanShort, 5, 9); }

// Every day from -5 to 40 of every month from -2 to 14: the short text names the sign whose long
// text the same date gets, or both give the not-found text; terminated inside the result text.
TEST(EuropeanShortSigns, AgreesWithTheLongTextsOnEveryDateOfAGrid) {
  testing::forEachDateOfTheGrid(europeanShort, [](int day, int month, const std::string& shortText) {
    const std::string longText = testing::generateText(european, day, month, 1980);
    EXPECT_EQ(signOfText(shortText), signOfText(longText)) << day << ". " << month << ".";
    if (month < 1 || month > 12) {
      EXPECT_EQ(shortText, testing::notFound) << day << ". " << month << ".";
      EXPECT_EQ(longText, testing::notFound) << day << ". " << month << ".";
    } else {
      EXPECT_NE(signOfText(shortText), "none") << day << ". " << month << ".";
    }
  });
}

TEST(EuropeanShortTexts, FirstJanuaryIsCapricornStraightIntoThePad) {
  const std::string t = text(1, 1);
  EXPECT_EQ(t.size(), 259u);
  const std::string heading = cp(u8"Kozorožec");
  EXPECT_EQ(t.substr(0, heading.size() + 156), heading + spaces(156));
  // The characterisation reads on from the heading: it starts in lower case right after the pad.
  const char first = t[heading.size() + 156];
  EXPECT_TRUE(first >= 'a' && first <= 'z') << first;
  EXPECT_EQ(t.size() - heading.size() - 156, 94u);
}

struct Layout {
  int day, month;
  std::size_t spacesAfterHeading, piece, composed;
};

// Heading, its run, the pad, then the characterisation to the end; nothing else is layout.
TEST(EuropeanShortTexts, LengthsAndPadsStandWhereTheyBelong) {
  const Layout layouts[] = {
      {1, 4, 8, 168, 322},  {1, 5, 11, 131, 285}, {1, 6, 5, 123, 277},  {1, 7, 10, 153, 307},
      {1, 8, 10, 97, 251},  {1, 9, 7, 153, 307},  {1, 10, 8, 142, 296}, {1, 11, 3, 157, 311},
      {1, 12, 6, 125, 279}, {1, 1, 0, 105, 259},  {1, 2, 4, 157, 311},  {1, 3, 6, 113, 267},
  };
  for (std::size_t i = 0; i < std::size(layouts); ++i) {
    const Layout& l = layouts[i];
    const std::string t = text(l.day, l.month);
    const std::u8string_view headingUtf8 = europeanSignHeadings[i];
    SCOPED_TRACE(std::string(headingUtf8.begin(), headingUtf8.end()));
    const std::string heading = cp(headingUtf8);
    EXPECT_EQ(t.size(), l.composed);
    EXPECT_EQ(t.substr(0, heading.size()), heading);
    const std::size_t run = l.spacesAfterHeading + 156;
    EXPECT_EQ(t.substr(heading.size(), run), spaces(run));
    const std::size_t prose = heading.size() + run;
    EXPECT_TRUE(std::islower(static_cast<unsigned char>(t[prose]))) << t.substr(prose, 10);
    EXPECT_EQ(t.size() - prose, l.piece - heading.size() - l.spacesAfterHeading - 2);
    EXPECT_EQ(t.back(), '.');
    EXPECT_EQ(testing::runsOfSpaces(t, 2), std::to_string(run));
    testing::expectNoneOf(t, "\t\r\n%");
  }
}

}  // namespace
}  // namespace kalmira
