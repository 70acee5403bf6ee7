// The European zodiac with long texts: which sign a date gets, and the exact layout of each text.
#include <gtest/gtest.h>

#include "engine/european_signs.h"
#include "tests/test_support.h"

namespace kalmira {
namespace {

using testing::cp;
using testing::spaces;

constexpr int european = 0;

std::string text(int day, int month, int year = 1980) {
  return testing::generateText(european, day, month, year);
}

std::string signOf(int day, int month) { return testing::headingOf(text(day, month), europeanSignHeadings); }

TEST(EuropeanSigns, BoundaryDays) { testing::expectSignsOfDates(signOf, testing::europeanBoundaryDays); }

TEST(EuropeanSigns, DaysOutsideTheCalendar) {
  const testing::DateSign days[] = {
      {29, 2, "Ryby"},
      {30, 2, "Ryby"},
      {31, 2, "Ryby"},
      {31, 4, "Býk"},
      {31, 6, "Rak"},
      {31, 9, "Váhy"},
      {31, 11, "Strelec"},
      {-5, 4, "Baran"},
      {-1, 1, "Kozorožec"},
      {-1, 3, "Ryby"},
      {-2147483647 - 1, 12, "Strelec"},
      {2147483647, 12, "Kozorožec"},
  };
  testing::expectSignsOfDates(signOf, days);
}

TEST(EuropeanSigns, MonthOutsideTheYearGivesTheNotFoundText) {
  testing::expectNotFoundOutsideTheYear(european);
}

TEST(EuropeanSigns, TheYearHasNoEffect) { testing::expectYearHasNoEffect(european, 5, 9); }

// Every day from -5 to 40 of every month from -2 to 14 gives exactly one sign's text or the
// not-found text, terminated inside the result text.
TEST(EuropeanSigns, EveryDateOfAGridGivesOneSignOrNotFound) {
  const auto signTexts = testing::textsOfTheFifteenths(european);
  ASSERT_EQ(signTexts.size(), 12u);
  testing::expectGridGivesOneSignOrNotFound(european, signTexts);
}

struct Layout {
  int day, month;
  std::size_t headingLength, spacesAfterHeading, prose, composed;
};

// Heading, its run, the pad, then the prose of its length, then the pad that opens the fact sheet.
TEST(EuropeanTexts, LengthsAndPadsStandWhereTheyBelong) {
  const Layout layouts[] = {
      {1, 4, 5, 34, 959, 2715},   {1, 5, 3, 43, 990, 2873},         {1, 6, 8, 34, 1322, 3161},
      {1, 7, 3, 43, 1396, 3288},  {1, 8, 3, 43, 1672 + 1247, 4901}, {1, 9, 5, 26, 284, 1824},
      {1, 10, 4, 34, 1433, 3244}, {1, 11, 8, 32, 1495, 3396},       {1, 12, 7, 34, 1623, 3470},
      {1, 1, 9, 33, 1211, 3020},  {1, 2, 6, 36, 1250, 3031},        {1, 3, 4, 34, 1341, 3158},
  };
  for (const Layout& l : layouts) {
    SCOPED_TRACE(signOf(l.day, l.month));
    const std::string t = text(l.day, l.month);
    EXPECT_EQ(t.size(), l.composed);
    const std::size_t proseStart = l.headingLength + l.spacesAfterHeading + 123;
    EXPECT_EQ(t.substr(l.headingLength, l.spacesAfterHeading + 123), spaces(l.spacesAfterHeading + 123));
    const std::size_t leading = t.find_first_not_of(' ', proseStart) - proseStart;
    EXPECT_EQ(leading, l.month == 9 ? 3u : 0u);  // the Virgo's prose begins with three spaces
    const std::size_t factsStart = proseStart + l.prose;
    EXPECT_NE(t[factsStart - 1], ' ');
    EXPECT_EQ(t.substr(factsStart, 123), spaces(123));
    testing::expectNoneOf(t, "\t\r\n%");
  }
}

TEST(EuropeanTexts, LeoIsTheLongestAndBeginsWithItsRuns) {
  const std::string leo = text(10, 8);
  EXPECT_EQ(leo.size(), 4901u);
  EXPECT_EQ(leo.substr(0, 3 + 43 + 123 + 1).substr(0, 169), cp(u8"Lev") + spaces(166));
  EXPECT_NE(leo[169], ' ');
  // The continuation joins the first part with its one space.
  EXPECT_EQ(leo[169 + 1672], ' ');
  EXPECT_NE(leo[169 + 1671], ' ');
  EXPECT_NE(leo[169 + 1673], ' ');
}

// The fact sheets, byte for byte, for three signs of different shape.
TEST(EuropeanTexts, FactSheets) {
  const std::string pad = spaces(123);
  const std::string baran = text(1, 4);
  EXPECT_EQ(baran.substr(5 + 34 + 123 + 959),
            pad + spaces(62) + cp(u8"Vládce znamení: Mars") + " " + pad + spaces(6) +
                cp(u8"Živel znamení: oheň") + " " + pad + spaces(16) +
                cp(u8"Soulad se znamením: Lev, Střelec") + spaces(117) + cp(u8"Barva: červená, rubín") + " " +
                pad + spaces(12) + cp(u8"Kov: železo") + " " + pad + spaces(25) +
                cp(u8"Rostliny: tulipán, karafiát, kopřiva") + spaces(114) + cp(u8"Magické číslo: 5") + " " +
                pad + spaces(23) + cp(u8"Šťastná čísla: 1, 5, 7, 13, 25, 65, 47, 325") + spaces(108) +
                cp(u8"Příznivé dny: úterý, sobota, neděle") + spaces(117) + cp(u8"Povaha: cholerická"));

  const std::string lev = text(1, 8);
  EXPECT_EQ(lev.substr(3 + 43 + 123 + 1672 + 1247),
            pad + spaces(274) + cp(u8"Vládce znamení: Slunce") + pad + spaces(10) +
                cp(u8"Živel znamení: oheň") + spaces(141) + cp(u8"Soulad se znamením: Beran, Střelec") +
                spaces(108) + cp(u8"Barva:  červená, oranžová, žlutá") + spaces(122) + cp(u8"Kov: zlato") +
                " " + pad + spaces(33) + cp(u8"Rostliny: kopretina, slunečnice, růže, oliva, pivoňka, hloh") +
                spaces(84) + cp(u8"Magické číslo: 19") + " " + pad + spaces(21) +
                cp(u8"Šťastná čísla: 1, 3, 6, 9, 36, 93, 111, 6661") + spaces(106) +
                cp(u8"Příznivé dny: středa, čtvrtek, neděle") + spaces(114) +
                cp(u8"Povaha: cholericko-flegmatická") + spaces(2));

  const std::string panna = text(1, 9);
  EXPECT_EQ(panna.substr(5 + 26 + 123 + 284),
            pad + spaces(292) + cp(u8"Vládce znamení: Merkur") + pad + spaces(10) +
                cp(u8"Živel znamení: země") + spaces(140) + cp(u8"Soulad se znamením: Býk, Kozoroh") +
                spaces(116) + cp(u8"Kov: rtuť") + " " + pad + spaces(35) +
                cp(u8"Šťastná čísla: 8, 64, 260, 2080") + spaces(123) + cp(u8"Příznivé dny: úterý") +
                spaces(144) + cp(u8"Povaha: melancholická") + spaces(3));
}

// Every fact sheet holds its entries in the fixed order (the Virgo's without colour, plants and
// magic number), and the values that are stored with a quirk keep it.
TEST(EuropeanTexts, FactSheetEntriesInOrder) {
  const char8_t* labels[] = {
      u8"Vládce znamení: ", u8"Živel znamení: ", u8"Soulad se znamením: ", u8"Barva: ",        u8"Kov: ",
      u8"Rostliny: ",       u8"Magické číslo: ", u8"Šťastná čísla: ",      u8"Příznivé dny: ", u8"Povaha: "};
  for (int month = 1; month <= 12; ++month) {
    const std::string t = text(1, month);
    SCOPED_TRACE(signOf(1, month));
    std::size_t at = 0;
    int found = 0;
    for (const char8_t* label : labels) {
      const std::size_t where = t.find(cp(label), at);
      if (where == std::string::npos) continue;
      at = where;
      ++found;
    }
    EXPECT_EQ(found, month == 9 ? 7 : 10);
  }
  EXPECT_NE(text(1, 7).find(cp(u8"Soulad se znamením: Štír, Ryby")), std::string::npos);
  EXPECT_NE(text(1, 2).find(cp(u8"třešeň , rozmarýn")), std::string::npos);
  EXPECT_NE(text(1, 5).find(cp(u8"Barva:  tmavě zelená")), std::string::npos);
}

}  // namespace
}  // namespace kalmira
