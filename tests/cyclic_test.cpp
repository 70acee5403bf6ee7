// The seasonal periods: which period a date gets, and where the pad and the runs between the
// passages stand in each text.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

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
constexpr const char8_t* headings[] = {
    u8"Doba probuzení",        u8"Doba růstu",         u8"Doba rozkvětu",
    u8"Doba dlouhých dnů",     u8"Doba zrání",         u8"Doba žní",
    u8"Doba padajícího listí", u8"Doba prvních mrazů", u8"Doba dlouhých nocí",
    u8"Doba hlubokého spánku", u8"Doba ticha",         u8"Doba obnovy",
};

// The index of the period a text belongs to, by its heading; -1 for any other text.
int periodOfText(const std::string& generated) {
  for (std::size_t i = 0; i < std::size(headings); ++i) {
    const std::string bytes = cp(headings[i]);
    if (generated.compare(0, bytes.size() + 1, bytes + ' ') == 0) return static_cast<int>(i);
  }
  return -1;
}

// The heading of the period a date's text belongs to, as UTF-8 for readable failures.
std::string periodOf(int day, int month) {
  const int period = periodOfText(text(day, month));
  if (period < 0) return "none";
  const std::u8string_view heading = headings[period];
  return {heading.begin(), heading.end()};
}

const std::string notFound = cp(u8"Nastala chyba nemôžem nájsť tvoje znamenie");

struct Boundary {
  int day, month;
  const char* period;
};

TEST(CyclicPeriods, BoundaryDays) {
  const Boundary boundaries[] = {
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
  for (const Boundary& b : boundaries)
    EXPECT_EQ(periodOf(b.day, b.month), b.period) << b.day << ". " << b.month << ".";
}

TEST(CyclicPeriods, DaysBeyondTheEndOfTheMonth) {
  EXPECT_EQ(periodOf(29, 2), "Doba obnovy");
  EXPECT_EQ(periodOf(30, 2), "Doba obnovy");
  EXPECT_EQ(periodOf(31, 2), "Doba obnovy");
  EXPECT_EQ(periodOf(31, 4), "Doba růstu");
  EXPECT_EQ(periodOf(31, 6), "Doba dlouhých dnů");
  EXPECT_EQ(periodOf(31, 9), "Doba padajícího listí");
  EXPECT_EQ(periodOf(31, 11), "Doba dlouhých nocí");
  EXPECT_EQ(periodOf(2147483647, 12), "Doba hlubokého spánku");
}

// A day of 0 or less falls in the period that ends in its month.
TEST(CyclicPeriods, NegativeDaysTakeThePeriodThatEndsInTheMonth) {
  const char* endingIn[] = {
      "Doba hlubokého spánku", "Doba ticha",         "Doba obnovy", "Doba probuzení", "Doba růstu",
      "Doba rozkvětu",         "Doba dlouhých dnů",  "Doba zrání",  "Doba žní",       "Doba padajícího listí",
      "Doba prvních mrazů",    "Doba dlouhých nocí",
  };
  for (int month = 1; month <= 12; ++month) {
    for (int day : {-1, -5, -31, -2147483647 - 1})
      EXPECT_EQ(periodOf(day, month), endingIn[month - 1]) << day << ". " << month << ".";
  }
}

TEST(CyclicPeriods, MonthOutsideTheYearGivesTheNotFoundText) {
  for (int month : {-1, -2, -12, 0, 13, -2147483647 - 1, 2147483647})
    for (int day : {-1, 1, 15, 31}) EXPECT_EQ(text(day, month), notFound) << day << ". " << month << ".";
}

TEST(CyclicPeriods, TheYearHasNoEffect) {
  const std::string reference = text(5, 9, 1980);
  for (int year : {1900, 2005, -1, 0, 123456}) EXPECT_EQ(text(5, 9, year), reference);
}

// Every day from -5 to 40 of every month from -2 to 14 gives the period that the totems'
// conditions give it (the not-found text where they give none), terminated inside the result
// text and never written past it.
TEST(CyclicPeriods, EveryDateOfAGridFollowsTheTotemConditions) {
  std::set<std::string> periodTexts;
  for (int month = 1; month <= 12; ++month) periodTexts.insert(text(15, month));
  ASSERT_EQ(periodTexts.size(), 12u);
  for (int month = -2; month <= 14; ++month) {
    for (int day = -5; day <= 40; ++day) {
      const auto generated = testing::generate(cyclic, day, month, 1980);
      ASSERT_TRUE(generated.terminated && generated.guardIntact) << day << ". " << month << ".";
      const int totem = findSign(totemPeriodConditions, month, day);
      EXPECT_EQ(periodOfText(generated.text), totem) << day << ". " << month << ".";
      if (totem < 0)
        EXPECT_EQ(generated.text, notFound) << day << ". " << month << ".";
      else
        EXPECT_EQ(periodTexts.count(generated.text), 1u) << day << ". " << month << ".";
    }
  }
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
    EXPECT_EQ(t.find('\r'), std::string::npos);
    EXPECT_EQ(t.find('\n'), std::string::npos);
    EXPECT_EQ(t.find('%'), std::string::npos);
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
