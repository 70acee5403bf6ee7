// The seasonal periods: which period a date gets, and where the pad and the runs between the
// passages stand in each text.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "engine/totem_periods.h"
#include "tests/test_support.h"

namespace kalmira {
namespace {

using testing::cp;
using testing::spaces;

constexpr int cyclic = 2;

std::string text(int day, int month, int year = 1980) {
  return testing::generateText(cyclic, day, month, year);
}

// In the order of the condition table.
constexpr std::u8string_view headings[] = {
    u8"Doba probuzení",        u8"Doba růstu",         u8"Doba rozkvětu",
    u8"Doba dlouhých dnů",     u8"Doba zrání",         u8"Doba žní",
    u8"Doba padajícího listí", u8"Doba prvních mrazů", u8"Doba dlouhých nocí",
    u8"Doba hlubokého spánku", u8"Doba ticha",         u8"Doba obnovy",
};

// The index of the period a text belongs to, by its heading; -1 for any other text.
int periodOfText(const std::string& generated) { return testing::headingIndex(generated, headings); }

std::string periodOf(int day, int month) { return testing::headingOf(text(day, month), headings); }

TEST(CyclicPeriods, BoundaryDays) {
  const testing::DateSign boundaries[] = {
      {20, 3, "Doba obnovy"},
      {21, 3, "Doba probuzení"},
      {19, 4, "Doba probuzení"},
      {20, 4, "Doba růstu"},
      {20, 5, "Doba růstu"},
      {21, 5, "Doba rozkvětu"},
      {20, 6, "Doba rozkvětu"},
      {21, 6, "Doba dlouhých dnů"},
      {21, 7, "Doba dlouhých dnů"},
      {22, 7, "Doba zrání"},
      {21, 8, "Doba zrání"},
      {22, 8, "Doba žní"},
      {21, 9, "Doba žní"},
      {22, 9, "Doba padajícího listí"},
      {22, 10, "Doba padajícího listí"},
      {23, 10, "Doba prvních mrazů"},
      {22, 11, "Doba prvních mrazů"},
      {23, 11, "Doba dlouhých nocí"},
      {21, 12, "Doba dlouhých nocí"},
      {22, 12, "Doba hlubokého spánku"},
      {19, 1, "Doba hlubokého spánku"},
      {20, 1, "Doba ticha"},
      {18, 2, "Doba ticha"},
      {19, 2, "Doba obnovy"},
  };
  testing::expectSignsOfDates(periodOf, boundaries);
}

TEST(CyclicPeriods, DaysBeyondTheEndOfTheMonth) {
  const testing::DateSign days[] = {
      {29, 2, "Doba obnovy"},         {30, 2, "Doba obnovy"},
      {31, 2, "Doba obnovy"},         {31, 4, "Doba růstu"},
      {31, 6, "Doba dlouhých dnů"},   {31, 9, "Doba padajícího listí"},
      {31, 11, "Doba dlouhých nocí"}, {2147483647, 12, "Doba hlubokého spánku"},
  };
  testing::expectSignsOfDates(periodOf, days);
}

// A day of 0 or less falls in the period that ends in its month.
TEST(CyclicPeriods, NegativeDaysTakeThePeriodThatEndsInTheMonth) {
  const char* endingIn[] = {
      "Doba hlubokého spánku", "Doba ticha",         "Doba obnovy", "Doba probuzení", "Doba růstu",
      "Doba rozkvětu",         "Doba dlouhých dnů",  "Doba zrání",  "Doba žní",       "Doba padajícího listí",
      "Doba prvních mrazů",    "Doba dlouhých nocí",
  };
  testing::expectNegativeDaysFallIn(periodOf, endingIn);
}

TEST(CyclicPeriods, MonthOutsideTheYearGivesTheNotFoundText) {
  testing::expectNotFoundOutsideTheYear(cyclic);
}

TEST(CyclicPeriods, TheYearHasNoEffect) { testing::expectYearHasNoEffect(cyclic, 5, 9); }

// Every day from -5 to 40 of every month from -2 to 14 gives the period that the totems'
// conditions give it (the not-found text where they give none), terminated inside the result
// text.
TEST(CyclicPeriods, EveryDateOfAGridFollowsTheTotemConditions) {
  const auto periodTexts = testing::textsOfTheFifteenths(cyclic);
  ASSERT_EQ(periodTexts.size(), 12u);
  testing::forEachDateOfTheGrid(cyclic, [&](int day, int month, const std::string& generated) {
    const int totem = findSign(totemPeriodConditions, month, day);
    EXPECT_EQ(periodOfText(generated), totem) << day << ". " << month << ".";
    if (totem < 0)
      EXPECT_EQ(generated, testing::notFound) << day << ". " << month << ".";
    else
      EXPECT_EQ(periodTexts.count(generated), 1u) << day << ". " << month << ".";
  });
}

std::string tabs(std::size_t count) { return std::string(count, '\t'); }

struct Layout {
  int day, month;
  std::size_t spacesAfterHeading, piece1;
  std::size_t piece2;
  std::string run2;
  std::size_t piece3, run3, composed;
  const char* longRunsOfSpaces;  // every run of two or more spaces, in order
};

bool isLayout(char c) { return c == ' ' || c == '\t'; }

// Heading, its run and the pad; the first passage; the run that opens the second passage; the
// second passage; the tabs that open the third; the third passage to the end.
TEST(CyclicTexts, LengthsAndRunsStandWhereTheyBelong) {
  const std::string renewalRun = tabs(5) + spaces(7) + tabs(1) + spaces(14) + tabs(12) + spaces(24);
  const Layout layouts[] = {
      {1, 4, 25, 464, 1146, tabs(14), 872, 17, 2599, "148"},
      {1, 5, 29, 544, 1052, tabs(16), 802, 16, 2515, "152"},
      {1, 6, 25, 852, 909, tabs(17), 684, 20, 2562, "148"},
      {1, 7, 19, 560, 1238, tabs(12), 964, 17, 2879, "142"},
      {1, 8, 27, 520, 869, tabs(17), 1094, 12, 2600, "150"},
      {1, 9, 29, 752, 1081, tabs(16), 914, 14, 2864, "152 2"},
      {1, 10, 18, 719, 461, tabs(21), 937, 21, 2234, "141"},
      {1, 11, 18, 1155, 857, tabs(17), 526, 13, 2655, "141"},
      {1, 12, 18, 1002, 768, tabs(22), 619, 12, 2506, "141"},
      {1, 1, 9, 659, 1036, tabs(13), 725, 16, 2537, "132"},
      {1, 2, 18, 282, 1337, tabs(19), 715, 19, 2451, "141"},
      {1, 3, 21, 1455, 675, renewalRun, 543, 14, 2790, "144 7 14 24"},
  };
  for (std::size_t i = 0; i < std::size(layouts); ++i) {
    const Layout& l = layouts[i];
    SCOPED_TRACE(periodOf(l.day, l.month));
    const std::string t = text(l.day, l.month);
    ASSERT_EQ(periodOfText(t), static_cast<int>(i));
    EXPECT_EQ(t.size(), l.composed);

    const std::string heading = cp(headings[i]);
    const std::size_t padAt = heading.size() + l.spacesAfterHeading;
    EXPECT_EQ(t.substr(0, 4), "Doba");
    EXPECT_EQ(t.substr(heading.size(), l.spacesAfterHeading + 123), spaces(l.spacesAfterHeading + 123));
    const std::size_t passage1 = padAt + 123;
    EXPECT_FALSE(isLayout(t[passage1]));

    const std::size_t run2 = passage1 + (l.piece1 - padAt - 2);
    EXPECT_FALSE(isLayout(t[run2 - 1]));
    EXPECT_EQ(t.substr(run2, l.run2.size()), l.run2);
    const std::size_t passage2 = run2 + l.run2.size();
    EXPECT_FALSE(isLayout(t[passage2]));

    const std::size_t run3 = passage2 + (l.piece2 - 2 - l.run2.size());
    EXPECT_FALSE(isLayout(t[run3 - 1]));
    EXPECT_EQ(t.substr(run3, l.run3), tabs(l.run3));
    const std::size_t passage3 = run3 + l.run3;
    EXPECT_FALSE(isLayout(t[passage3]));
    EXPECT_EQ(t.size() - passage3, l.piece3 - 2 - l.run3);

    // No tab, and no run of spaces, anywhere else.
    EXPECT_EQ(static_cast<std::size_t>(std::count(t.begin(), t.end(), '\t')),
              std::count(l.run2.begin(), l.run2.end(), '\t') + l.run3);
    EXPECT_EQ(testing::runsOfSpaces(t, 2), l.longRunsOfSpaces);
    testing::expectNoneOf(t, "\r\n%");
  }
}

TEST(CyclicTexts, HarvestEndsWithTwoSpaces) {
  const std::string harvest = text(1, 9);
  EXPECT_EQ(harvest.substr(harvest.size() - 3), ".  ");
  for (int month = 1; month <= 12; ++month) {
    if (month == 9) continue;
    const std::string t = text(1, month);
    EXPECT_NE(t.back(), ' ') << month;
  }
}

TEST(CyclicTexts, TheLongestFitsTheResultText) {
  std::size_t longest = 0;
  for (int month = 1; month <= 12; ++month) longest = std::max(longest, text(1, month).size());
  EXPECT_EQ(longest, 2879u);
  EXPECT_EQ(text(1, 7).size(), 2879u);
}

}  // namespace
}  // namespace kalmira
