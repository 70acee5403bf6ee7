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

// The heading of the sign a text begins with, as UTF-8 for readable failures; "none" for a text
// that begins with no sign's heading.
std::string signOfText(const std::string& generated) {
  for (std::u8string_view heading : europeanSignHeadings) {
    const std::string bytes = cp(heading);
    if (generated.compare(0, bytes.size() + 1, bytes + ' ') == 0) return {heading.begin(), heading.end()};
  }
  return "none";
}

std::string signOf(int day, int month) { return signOfText(text(day, month)); }

const std::string notFound = cp(u8"Nastala chyba nemôžem nájsť tvoje znamenie");

struct Boundary {
  int day, month;
  const char* sign;
};

TEST(EuropeanShortSigns, BoundaryDays) {
  const Boundary boundaries[] = {
      {20, 3, "Ryby"},      {21, 3, "Baran"},    {20, 4, "Baran"},    {21, 4, "Býk"},
      {21, 5, "Býk"},       {22, 5, "Blíženci"}, {21, 6, "Blíženci"}, {22, 6, "Rak"},
      {22, 7, "Rak"},       {23, 7, "Lev"},      {22, 8, "Lev"},      {23, 8, "Panna"},
      {22, 9, "Panna"},     {23, 9, "Váhy"},     {23, 10, "Váhy"},    {24, 10, "Škorpión"},
      {22, 11, "Škorpión"}, {23, 11, "Strelec"}, {21, 12, "Strelec"}, {22, 12, "Kozorožec"},
      {20, 1, "Kozorožec"}, {21, 1, "Vodnár"},   {20, 2, "Vodnár"},   {21, 2, "Ryby"},
  };
  for (const Boundary& b : boundaries)
    EXPECT_EQ(signOf(b.day, b.month), b.sign) << b.day << ". " << b.month << ".";
}

TEST(EuropeanShortSigns, DaysBeyondTheEndOfTheMonth) {
  EXPECT_EQ(signOf(29, 2), "Ryby");
  EXPECT_EQ(signOf(30, 2), "Ryby");
  EXPECT_EQ(signOf(31, 2), "Ryby");
  EXPECT_EQ(signOf(31, 4), "Býk");
  EXPECT_EQ(signOf(31, 6), "Rak");
  EXPECT_EQ(signOf(31, 9), "Váhy");
  EXPECT_EQ(signOf(31, 11), "Strelec");
  EXPECT_EQ(signOf(2147483647, 12), "Kozorožec");
}

// A day of 0 or less falls in the sign that ends in its month.
TEST(EuropeanShortSigns, NegativeDaysTakeTheSignThatEndsInTheMonth) {
  const char* endingIn[] = {
      "Kozorožec", "Vodnár", "Ryby",  "Baran", "Býk",      "Blíženci",
      "Rak",       "Lev",    "Panna", "Váhy",  "Škorpión", "Strelec",
  };
  for (int month = 1; month <= 12; ++month) {
    for (int day : {-1, -5, -31, -2147483647 - 1})
      EXPECT_EQ(signOf(day, month), endingIn[month - 1]) << day << ". " << month << ".";
  }
  EXPECT_EQ(signOf(-5, 4), "Baran");
  EXPECT_EQ(signOf(-1, 1), "Kozorožec");
}

TEST(EuropeanShortSigns, MonthOutsideTheYearGivesTheNotFoundText) {
  for (int month : {-1, -2, 0, 13, -2147483647 - 1, 2147483647})
    for (int day : {-1, 1, 15, 31}) EXPECT_EQ(text(day, month), notFound) << day << ". " << month << ".";
}

TEST(EuropeanShortSigns, TheYearHasNoEffect) {
  const std::string reference = text(5, 9, 1980);
  for (int year : {1900, 2005, -1, 0, 123456}) EXPECT_EQ(text(5, 9, year), reference);
}

// Every day from -5 to 40 of every month from -2 to 14: the short text names the sign whose long
// text the same date gets, or both give the not-found text; terminated inside the result text and
// never written past it.
TEST(EuropeanShortSigns, AgreesWithTheLongTextsOnEveryDateOfAGrid) {
  for (int month = -2; month <= 14; ++month) {
    for (int day = -5; day <= 40; ++day) {
      const auto shortText = testing::generate(europeanShort, day, month, 1980);
      const auto longText = testing::generate(european, day, month, 1980);
      ASSERT_TRUE(shortText.terminated && shortText.guardIntact) << day << ". " << month << ".";
      EXPECT_EQ(signOfText(shortText.text), signOfText(longText.text)) << day << ". " << month << ".";
      if (month < 1 || month > 12) {
        EXPECT_EQ(shortText.text, notFound) << day << ". " << month << ".";
        EXPECT_EQ(longText.text, notFound) << day << ". " << month << ".";
      } else {
        EXPECT_NE(signOfText(shortText.text), "none") << day << ". " << month << ".";
      }
    }
  }
}

TEST(EuropeanShortTexts, FirstJanuaryIsCapricornStraightIntoThePad) {
  const std::string t = text(1, 1);
  EXPECT_EQ(t.size(), 259u);
  const std::string heading = cp(u8"Kozorožec");
  EXPECT_EQ(t.substr(0, heading.size() + 156), heading + spaces(156));
  EXPECT_EQ(t[heading.size() + 156], 'j');
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
    EXPECT_EQ(t.find('\t'), std::string::npos);
    EXPECT_EQ(t.find('\r'), std::string::npos);
    EXPECT_EQ(t.find('\n'), std::string::npos);
    EXPECT_EQ(t.find('%'), std::string::npos);
  }
}

}  // namespace
}  // namespace kalmira
