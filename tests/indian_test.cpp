// The Native American totems: which totem a date gets, the labels of its first passage, and the
// exact layout runs between the passages.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "engine/totem_periods.h"
#include "tests/test_support.h"

namespace kalmira {
namespace {

using testing::cp;
using testing::spaces;

constexpr int indian = 4;

std::string text(int day, int month, int year = 1980) {
  return testing::generateText(indian, day, month, year);
}

constexpr std::u8string_view headings[totemPeriodCount] = {
    u8"Sokol",  u8"Bobr", u8"Jelen", u8"Datel", u8"Losos", u8"Medvěd",
    u8"Havran", u8"Had",  u8"Sova",  u8"Husa",  u8"Vydra", u8"Vlk",
};

std::string signOf(int day, int month) { return testing::headingOf(text(day, month), headings); }

TEST(IndianTotems, BoundaryDays) {
  const testing::DateSign boundaries[] = {
      {20, 3, "Vlk"},   {21, 3, "Sokol"},  {19, 4, "Sokol"},  {20, 4, "Bobr"},   {20, 5, "Bobr"},
      {21, 5, "Jelen"}, {20, 6, "Jelen"},  {21, 6, "Datel"},  {21, 7, "Datel"},  {22, 7, "Losos"},
      {21, 8, "Losos"}, {22, 8, "Medvěd"}, {21, 9, "Medvěd"}, {22, 9, "Havran"}, {22, 10, "Havran"},
      {23, 10, "Had"},  {22, 11, "Had"},   {23, 11, "Sova"},  {21, 12, "Sova"},  {22, 12, "Husa"},
      {19, 1, "Husa"},  {20, 1, "Vydra"},  {18, 2, "Vydra"},  {19, 2, "Vlk"},
  };
  testing::expectSignsOfDates(signOf, boundaries);
}

TEST(IndianTotems, DaysOutsideTheCalendar) {
  const testing::DateSign days[] = {
      {29, 2, "Vlk"},   {30, 2, "Vlk"},    {31, 2, "Vlk"},   {31, 4, "Bobr"},
      {31, 6, "Datel"}, {31, 9, "Havran"}, {31, 11, "Sova"}, {2147483647, 12, "Husa"},
  };
  testing::expectSignsOfDates(signOf, days);
}

// A negative day satisfies the clause that ends a totem in its month.
TEST(IndianTotems, NegativeDaysTakeTheTotemThatEndsInTheirMonth) {
  const char* totems[] = {"Husa",  "Vydra", "Vlk",    "Sokol",  "Bobr", "Jelen",
                          "Datel", "Losos", "Medvěd", "Havran", "Had",  "Sova"};
  testing::expectNegativeDaysFallIn(signOf, totems);
}

TEST(IndianTotems, MonthOutsideTheYearGivesTheNotFoundText) { testing::expectNotFoundOutsideTheYear(indian); }

TEST(IndianTotems, TheYearHasNoEffect) { testing::expectYearHasNoEffect(indian, 1, 5); }

// Every day from -5 to 40 of every month from -2 to 14 gives the text of the totem whose span
// the shared table finds, or the not-found text, terminated inside the result text.
TEST(IndianTotems, EveryDateOfAGridGivesTheTotemOfTheSharedSpans) {
  const auto totemTexts = testing::textsOfTheFifteenths(indian);
  ASSERT_EQ(totemTexts.size(), 12u);
  testing::forEachDateOfTheGrid(indian, [&](int day, int month, const std::string& generated) {
    const int totem = findTotemPeriod(month, day);
    if (month >= 1 && month <= 12) {
      ASSERT_GE(totem, 0) << day << ". " << month << ".";
      EXPECT_EQ(totemTexts.count(generated), 1u) << day << ". " << month << ".";
      EXPECT_TRUE(testing::beginsWithHeading(generated, headings[totem])) << day << ". " << month << ".";
    } else {
      EXPECT_EQ(totem, -1);
      EXPECT_EQ(generated, testing::notFound) << day << ". " << month << ".";
    }
  });
}

struct Labels {
  int day, month;
  std::u8string_view span, plural, element, wind;
};

TEST(IndianTexts, TheFirstPassageCarriesTheTotemsLabels) {
  const Labels labels[] = {
      {1, 4, u8"21. březnem a 19. dubnem", u8"Sokoly", u8"ohnivý", u8"východní"},
      {1, 5, u8"20. dubnem a 20. květnem", u8"Bobry", u8"zemský", u8"východní"},
      {1, 6, u8"21. květnem a 20. červnem", u8"Jeleny", u8"vzdušný", u8"východní"},
      {1, 7, u8"21. červnem a 21. červencem", u8"Datly", u8"vodní", u8"jižní"},
      {1, 8, u8"22. červencem a 21. srpnem", u8"Lososy", u8"ohnivý", u8"jižní"},
      {1, 9, u8"22. srpnem a 21. zářím", u8"Medvědy", u8"zemský", u8"jižní"},
      {1, 10, u8"22. září a 22. říjnem", u8"Havrany", u8"vzdušný", u8"západní"},
      {1, 11, u8"23. říjnem a 22. listopadem", u8"Hady", u8"vodní", u8"západní"},
      {1, 12, u8"23. listopadem a 21. prosincem", u8"Sovy", u8"ohnivý", u8"západní"},
      {1, 1, u8"22. prosincem a 19. lednem", u8"Husy", u8"zemský", u8"severní"},
      {1, 2, u8"20. lednem a 18. únorem", u8"Vydry", u8"vzdušný", u8"severní"},
      {1, 3, u8"19. únorem a 20. březnem", u8"Vlky", u8"vodní", u8"severní"},
  };
  for (std::size_t i = 0; i < std::size(labels); ++i) {
    const Labels& l = labels[i];
    SCOPED_TRACE(signOf(l.day, l.month));
    const std::string t = text(l.day, l.month);
    const std::size_t passage = t.find_first_not_of(' ', cp(headings[i]).size());
    const std::string opening = cp(u8"Lidi narozené mezi ") + cp(l.span) +
                                cp(u8" zveme v názvosloví indiánského horoskopu „") + cp(l.plural) +
                                cp(u8"“. Tyto zrozence ovlivňuje ") + cp(l.element) + cp(u8" živel a vítr ") +
                                cp(l.wind) + ". ";
    EXPECT_EQ(t.substr(passage, opening.size()), opening);
  }
}

// A layout run as the tables write it: counts of tabs (T) and spaces (S) in order.
std::string run(std::string_view counts) {
  std::string bytes;
  std::size_t count = 0;
  for (char c : counts) {
    if (c >= '0' && c <= '9') {
      count = count * 10 + static_cast<std::size_t>(c - '0');
    } else if (c == 'T' || c == 'S') {
      bytes.append(count, c == 'T' ? '\t' : ' ');
      count = 0;
    }
  }
  return bytes;
}

struct LaterPiece {
  std::size_t length;
  const char* run;
};

struct Layout {
  int day, month;
  std::size_t spacesAfterHeading, firstPiece;
  std::vector<LaterPiece> later;  // pieces 2 on, each beginning with the text so far
  std::size_t composed;
};

// Bobr's piece 5 carries the second pad after its run: 119 bytes of run, two placeholders and
// the passage.
const Layout layouts[] = {
    {1, 4, 38, 696, {{640, "10T"}, {711, "3T"}, {298, "3T 8S"}}, 2460},
    {1,
     5,
     38,
     574,
     {{768, "2T"}, {599, "19T 9S"}, {598, "19T 17S"}, {835, "1T 54S 1T 17S 1T 29S 1T 15S"}},
     3608},
    {1, 6, 38, 556, {{925, "1T 26S 7T 47S 1T"}, {847, "12T"}, {725, "19T 35S"}}, 3168},
    {1, 7, 38, 636, {{629, "14T 18S"}, {414, "16T 10S"}, {644, "15T 13S"}}, 2438},
    {1, 8, 38, 610, {{884, "17T 19S"}, {681, "12T 3S"}, {1300, "4T 280S"}}, 3590},
    {1, 9, 37, 473, {{758, "1T 67S 1T 93S"}, {647, "16T 8S"}, {707, "14T"}}, 2700},
    {1, 10, 38, 549, {{835, "2T 180S"}, {591, "19T 9S"}, {480, "19T"}}, 2570},
    {1, 11, 40, 758, {{796, "2T 201S"}, {543, "13T 6S 1T 8S 1T 9S"}, {639, "14T 17S"}}, 2851},
    {1, 12, 38, 428, {{892, "2T 233S"}, {846, "10T 2S 1T 5S"}, {527, "11T 6S 3T"}}, 2808},
    {1, 1, 38, 551, {{537, "46S 10T"}, {573, "18T"}, {939, "12T"}}, 2715},
    {1, 2, 38, 598, {{437, "1T 7S 14T 45S"}, {915, "17T"}, {710, "19T"}}, 2775},
    {1, 3, 41, 686, {{743, "1T 75S 15T 2S 1T"}, {647, "8T 74S"}, {272, "19T 13S"}}, 2463},
};

bool isLayout(char c) { return c == ' ' || c == '\t'; }

// A passage is plain prose: no tab, no line break, no run of two or more spaces (save the one
// pause of the Datel's last passage), and it neither begins nor ends with a blank.
void expectPlainPassage(std::string_view passage, std::string_view runsOfSpaces) {
  ASSERT_FALSE(passage.empty());
  EXPECT_FALSE(isLayout(passage.front()));
  EXPECT_FALSE(isLayout(passage.back()));
  EXPECT_EQ(passage.find_first_of("\t\r\n%"), std::string_view::npos);
  EXPECT_EQ(testing::runsOfSpaces(passage, 2), runsOfSpaces);
}

TEST(IndianTexts, LengthsRunsAndPadsStandWhereTheyBelong) {
  for (std::size_t i = 0; i < std::size(layouts); ++i) {
    const Layout& l = layouts[i];
    SCOPED_TRACE(signOf(l.day, l.month));
    EXPECT_EQ(signOf(l.day, l.month), std::string(headings[i].begin(), headings[i].end()));
    const std::string t = text(l.day, l.month);
    EXPECT_EQ(t.size(), l.composed);

    const std::string heading = cp(headings[i]);
    EXPECT_EQ(t.substr(0, heading.size()), heading);
    EXPECT_EQ(t.substr(heading.size(), l.spacesAfterHeading + 123), spaces(l.spacesAfterHeading + 123));
    std::size_t passageStart = heading.size() + l.spacesAfterHeading + 123;
    std::size_t pieceEnd = l.firstPiece - 2 + 123;
    for (std::size_t p = 0; p < l.later.size(); ++p) {
      SCOPED_TRACE("piece " + std::to_string(p + 2));
      expectPlainPassage(std::string_view(t).substr(passageStart, pieceEnd - passageStart), "");
      const std::string layout = run(l.later[p].run);
      EXPECT_EQ(t.substr(pieceEnd, layout.size()), layout);
      passageStart = pieceEnd + layout.size();
      const bool withPad = i == 1 && p == 3;
      if (withPad) {
        EXPECT_EQ(t.substr(passageStart, 123), spaces(123));
        passageStart += 123;
      }
      pieceEnd += l.later[p].length - 2 + (withPad ? 123 - 2 : 0);
    }
    EXPECT_EQ(pieceEnd, t.size());
    expectPlainPassage(std::string_view(t).substr(passageStart), i == 3 ? "3" : "");
    testing::expectNoneOf(t, "\r\n");
  }
}

TEST(IndianTexts, BobrOnTheFirstOfMayHasThePadTwice) {
  const std::string bobr = text(1, 5);
  EXPECT_EQ(bobr.size(), 3608u);
  EXPECT_EQ(bobr.substr(0, 4 + 38 + 123), "Bobr" + spaces(38 + 123));
  EXPECT_FALSE(isLayout(bobr[4 + 38 + 123]));
  // Piece 5: the text so far, its 119-byte run, the pad, then a 712-byte passage.
  const std::size_t fifth = 3608 - 712 - 123 - 119;
  EXPECT_EQ(bobr.substr(fifth, 119 + 123), run("1T 54S 1T 17S 1T 29S 1T 15S") + spaces(123));
  EXPECT_FALSE(isLayout(bobr[fifth - 1]));
  EXPECT_FALSE(isLayout(bobr[fifth + 119 + 123]));
  EXPECT_EQ(testing::runsOfSpaces(bobr, 123), std::to_string(38 + 123) + " " + std::to_string(15 + 123));
}

// The pause is found by where it stands, 214 bytes before the end, and not by the words around
// it: those are free prose.
TEST(IndianTexts, TheDatelsLastPassagePausesOnce) {
  const std::string datel = text(1, 7);
  const std::size_t passage = datel.find_first_not_of(" \t", datel.find_last_of('\t'));
  const std::size_t pause = datel.size() - 214 - 3;
  EXPECT_EQ(datel.find("  ", passage), pause);
  EXPECT_EQ(datel.substr(pause, 4).find_first_not_of(' '), 3u);
  EXPECT_EQ(datel.find("  ", pause + 3), std::string::npos);
}

}  // namespace
}  // namespace kalmira
