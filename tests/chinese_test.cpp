// The Chinese zodiac: which sign a year gets, the years it refuses, and the exact layout of each
// sign's text.
#include "engine/chinese.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "tests/test_support.h"

namespace kalmira {
namespace {

using testing::cp;
using testing::spaces;

constexpr int chinese = 1;

std::string text(int year, int day = 1, int month = 1) {
  return testing::generateText(chinese, day, month, year);
}

const std::string outOfRange = cp(u8"Chyba zle zadaný rok narodenia");

constexpr std::u8string_view headings[chineseSignCount] = {
    u8"KRYSA", u8"BUVOL", u8"TYGR (TIGER)", u8"KRÁLIK", u8"DRAK", u8"HAD",
    u8"KŮŇ",   u8"KOZA",  u8"OPICE",        u8"KOHOUT", u8"PES",  u8"PRASE",
};

// The heading a year's text begins with, as UTF-8 for readable failures, or "message".
std::string signOf(int year) {
  const std::string generated = text(year);
  if (generated == outOfRange) return "message";
  return testing::headingOf(generated, headings);
}

static_assert(findChineseSign(1900) == 0);
static_assert(findChineseSign(1911) == 11);
static_assert(findChineseSign(2019) == 11);
static_assert(findChineseSign(1899) == -1);
static_assert(findChineseSign(2020) == -1);
static_assert(findChineseSign(INT_MIN) == -1);
static_assert(findChineseSign(INT_MAX) == -1);

struct YearSign {
  int year;
  const char* sign;
};

TEST(ChineseSigns, YearsAtTheEdges) {
  const YearSign cases[] = {
      {1900, "KRYSA"}, {1901, "BUVOL"},  {1903, "KRÁLIK"}, {1911, "PRASE"},  {1912, "KRYSA"},
      {1980, "OPICE"}, {2005, "KOHOUT"}, {2008, "KRYSA"},  {2011, "KRÁLIK"}, {2019, "PRASE"},
  };
  for (const YearSign& c : cases) EXPECT_EQ(signOf(c.year), c.sign) << c.year;
}

// Every accepted year gets the text of the sign its offset from 1900 names, and the twelve texts
// are all different.
TEST(ChineseSigns, EveryAcceptedYearGoesByItsOffset) {
  std::vector<std::string> signTexts;
  for (int year = 1900; year < 1912; ++year) signTexts.push_back(text(year));
  ASSERT_EQ(std::set<std::string>(signTexts.begin(), signTexts.end()).size(), 12u);
  for (int sign = 0; sign < chineseSignCount; ++sign)
    EXPECT_EQ(signTexts[sign].compare(0, cp(headings[sign]).size(), cp(headings[sign])), 0) << sign;
  for (int year = 1900; year <= 2019; ++year) {
    EXPECT_EQ(findChineseSign(year), (year - 1900) % 12) << year;
    EXPECT_EQ(text(year), signTexts[(year - 1900) % 12]) << year;
  }
}

TEST(ChineseSigns, YearsOutsideGiveOnlyTheMessage) {
  EXPECT_EQ(outOfRange.size(), 30u);
  EXPECT_EQ(std::string(chineseYearOutOfRangeMessage.view()), outOfRange);
  // INT_MIN + 1900 would be offset 0 if the offset were taken modulo 2^31: the unsigned test
  // refuses it like every other year below 1900.
  for (int year : {1899, 2020, 1888, 2032, 0, -1, 1, 1000, 3000, 99999, INT_MIN, INT_MIN + 1, INT_MIN + 1900,
                   INT_MAX, INT_MAX - 1})
    EXPECT_EQ(text(year), outOfRange) << year;
}

TEST(ChineseSigns, DayAndMonthHaveNoEffect) {
  for (int year : {1900, 1903, 1911, 1980, 2005, 2019, 1899, 2020, INT_MIN}) {
    const std::string reference = text(year, 1, 1);
    for (int month : {-1, 0, 1, 2, 6, 12, 13, INT_MIN, INT_MAX})
      for (int day : {-5, 0, 1, 15, 29, 31, 32, INT_MIN, INT_MAX})
        EXPECT_EQ(text(year, day, month), reference) << day << ". " << month << ". " << year;
  }
}

// Every year of a wide band, and the extremes, give a text terminated inside the result text.
TEST(ChineseSigns, EveryYearStaysInsideTheResultText) {
  std::vector<int> years = {INT_MIN, INT_MIN + 1, -1900, -1, 0, INT_MAX - 1, INT_MAX};
  for (int year = 1850; year <= 2070; ++year) years.push_back(year);
  for (int year : years) {
    const auto generated = testing::generate(chinese, 1, 1, year);
    ASSERT_TRUE(generated.terminated) << year;
  }
}

// One item of a sign's layout: a stored literal, a run of spaces (the pads are runs of 36 and 173),
// or a content slot of a given length and shape.
struct Item {
  enum Kind { Literal, Spaces, Traits, Prose, People };
  Kind kind;
  std::u8string_view literal;
  std::size_t length;
};

Item lit(std::u8string_view utf8) { return {Item::Literal, utf8, 0}; }
Item sp(std::size_t count) { return {Item::Spaces, {}, count}; }
Item traits(std::size_t length) { return {Item::Traits, {}, length}; }
Item prose(std::size_t length) { return {Item::Prose, {}, length}; }
Item people(std::size_t length) { return {Item::People, {}, length}; }
const Item S = sp(36);
const Item L = sp(173);

std::vector<std::string> splitList(const std::string& list) {
  std::vector<std::string> items;
  std::size_t at = 0;
  for (std::size_t comma; (comma = list.find(", ", at)) != std::string::npos; at = comma + 2)
    items.push_back(list.substr(at, comma - at));
  items.push_back(list.substr(at));
  return items;
}

bool capitalised(const std::string& word) {
  static const std::string capitals = cp(u8"ABCDEFGHIJKLMNOPQRSTUVWXYZÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
  return !word.empty() && capitals.find(word[0]) != std::string::npos;
}

// What is wrong with a slot's content, or "" when it has the shape its role wants. A slot never
// begins or ends with a space, so the runs around it are exactly as long as the layout says.
std::string slotProblem(const Item& item, const std::string& slot) {
  if (slot.front() == ' ' || slot.back() == ' ') return "begins or ends with a space";
  if (slot.find("  ") != std::string::npos) return "holds a run of spaces";
  switch (item.kind) {
    case Item::Prose:
      if (slot.back() != '.') return "prose does not end with a full stop";
      return "";
    case Item::Traits: {
      const auto words = splitList(slot);
      if (words.size() < 16 || words.size() > 21)
        return "trait list of " + std::to_string(words.size()) + " items";
      for (const std::string& word : words)
        if (!capitalised(word) || word.find_first_of(" ,.") != std::string::npos)
          return "trait item: " + word;
      return "";
    }
    case Item::People:
      for (const std::string& name : splitList(slot))
        if (!capitalised(name) || name.find(',') != std::string::npos) return "name: " + name;
      return "";
    case Item::Literal:
    case Item::Spaces: break;
  }
  return "";
}

// Walks `t` along `layout`; every literal must stand at its place, every run must be spaces, every
// slot must have its shape, and the text must end with the last item.
void expectLayout(const std::string& t, const std::vector<std::vector<Item>>& pieces) {
  std::vector<Item> layout;
  for (const auto& piece : pieces) layout.insert(layout.end(), piece.begin(), piece.end());
  std::size_t at = 0;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const Item& item = layout[i];
    SCOPED_TRACE("item " + std::to_string(i) + " at byte " + std::to_string(at));
    if (item.kind == Item::Literal) {
      const std::string bytes = cp(item.literal);
      ASSERT_EQ(t.substr(at, bytes.size()), bytes);
      at += bytes.size();
      continue;
    }
    ASSERT_LE(at + item.length, t.size());
    const std::string part = t.substr(at, item.length);
    if (item.kind == Item::Spaces)
      ASSERT_EQ(part, spaces(item.length));
    else
      ASSERT_EQ(slotProblem(item, part), "") << part;
    at += item.length;
  }
  EXPECT_EQ(at, t.size());
}

struct SignLayout {
  std::u8string_view name;
  std::size_t composed;
  std::vector<std::vector<Item>> pieces;  // without the text so far that each later piece begins with
};

// Each sign in the order of its sign number, with the layout of each of its pieces.
// clang-format off
const std::vector<SignLayout> layouts = {
    {u8"Krysa", 4645, {
        {lit(u8"KRYSA"), sp(2), S, S, S, S, sp(1), traits(193), sp(1), L, sp(10), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(1641), sp(1), S, L, S, sp(1), lit(u8"Mezilidské vztahy"), sp(1), S,
         S, S, S},
        {prose(195), sp(17), L, sp(10), lit(u8"Příznivý den: sobota"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 0 , 4 , 7"), sp(1), S, S, S, sp(17),
         lit(u8"Příznivé karty: kule (káry), dáma + čísla")},
        {L, sp(1), S, S, S, sp(1), lit(u8"Známé osobnosti ve znamení Krysy:"), sp(1), people(43), sp(1)},
        {L, sp(1), S, sp(1), lit(u8"Kdo se hodí ke Kryse?"), sp(1), S, S, S, sp(24), prose(444)}
    }},
    {u8"Buvol", 4815, {
        {lit(u8"BUVOL"), sp(2), S, S, S, S, sp(12), traits(205), sp(2), L, sp(10), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(1330), sp(1), S, L, sp(12), lit(u8"Mezilidské vztahy"), sp(1), S, S,
         S},
        {S, prose(498), sp(17), L, sp(39), lit(u8"Příznivý den: středa"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 2, 3, 5"), sp(1), S, S, S, sp(25),
         lit(u8"Příznivé karty: červené (srdce) , eso + čísla")},
        {sp(1), L, S, S, sp(27), lit(u8"Známé osobnosti ve znamení Buvola:"), sp(1), people(53)},
        {L, sp(21), lit(u8"Kdo se hodí ke Buvola?"), sp(1), S, S, S, sp(23), prose(601)}
    }},
    {u8"Tygr", 4734, {
        {lit(u8"TYGR (TIGER)"), sp(2), S, S, S, S, sp(3), traits(175), sp(2), L, sp(52),
         lit(u8"Charakteristika"), sp(1), S, S, S, S, sp(1), prose(1370), sp(2), L, sp(1),
         lit(u8"Mezilidské vztahy"), sp(1), S, S, S},
        {S, prose(353), sp(17), L, sp(96), lit(u8"Příznivý den: středa"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 2, 6, 7"), sp(1), S, S, S, sp(25),
         lit(u8"Příznivé karty: zelené, král + čísla")},
        {sp(1), L, S, S, sp(37), lit(u8"Známé osobnosti ve znamení Tygra:"), sp(1), people(57)},
        {L, sp(21), lit(u8"Kdo se hodí ke Tygrovi?"), sp(1), S, S, S, sp(23), prose(599)}
    }},
    {u8"Králík", 1426, {
        {lit(u8"KRÁLIK"), sp(6), S, S, S, S, sp(3), traits(155), sp(86)},
        {sp(1), L, sp(1), lit(u8"Známé osobnosti ve znamení Králíka:"), sp(1), people(38)},
        {L, sp(52), lit(u8"Kdo se hodí ke Králíkovi?"), sp(1), S, S, S, sp(23), prose(395)}
    }},
    {u8"Drak", 5409, {
        {lit(u8"DRAK"), sp(14), S, S, S, S, sp(1), traits(182), sp(2), L, sp(10), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(1393), sp(2), S, L, S, sp(91), lit(u8"Mezilidské vztahy"), sp(1), S,
         S, S, S},
        {prose(447), sp(127), L, sp(10), lit(u8"Příznivý den: pátek"), sp(1), S, S, S, sp(33),
         lit(u8"Příznivá čísla: 0, 6, 7"), sp(1), S, S, S, sp(30),
         lit(u8"Příznivé karty: červené (srdce), král + čísla")},
        {L, sp(1), S, S, sp(33), lit(u8"Známé osobnosti ve znamení Draka:"), sp(1), people(75), sp(1)},
        {L, sp(1), S, sp(124), lit(u8"Kdo se hodí k Drakovi?"), sp(1), S, S, S, sp(24), prose(822)}
    }},
    {u8"Had", 4689, {
        {lit(u8"HAD"), sp(10), S, S, S, S, sp(1), traits(202), sp(20), L, sp(10)},
        {sp(1), lit(u8"Charakteristika"), sp(1), S, S, S, S, sp(1), prose(1676), sp(1), L, sp(17),
         lit(u8"Mezilidské vztahy"), sp(1), S, S, sp(70)},
        {prose(170), sp(17), L, sp(49), lit(u8"Příznivý den: pátek"), sp(1), S, S, S, sp(32),
         lit(u8"Příznivá čísla: 3, 5, 8"), sp(1), S, S, S, sp(30),
         lit(u8"Příznivé karty: kule (káry) , král + čísla")},
        {L, sp(1), S, S, S, sp(1), lit(u8"Známé osobnosti ve znamení Hada:"), sp(1), people(75), sp(1)},
        {L, sp(1), S, sp(113), lit(u8"Kdo se hodí k Hadovi?"), sp(1), S, S, S, sp(26), prose(293)}
    }},
    {u8"Kůň", 4480, {
        {lit(u8"KŮŇ"), sp(20), S, S, S, S, sp(1), traits(200), sp(1), L, sp(1), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(1605), sp(1), S, L, S, S, S, sp(1), lit(u8"Mezilidské vztahy"),
         sp(1), S, S, S, S},
        {prose(239), sp(18), L, sp(99), lit(u8"Příznivý den: úterý"), sp(1), S, S, S, sp(35),
         lit(u8"Příznivá čísla: 3, 5, 6"), sp(1), S, S, S, sp(31),
         lit(u8"Příznivé karty: kule (káry), eso + čísla")},
        {L, sp(1), S, S, S, sp(1), lit(u8"Známé osobnosti ve znamení Koně:"), sp(1), people(70)},
        {L, sp(1), lit(u8"Kdo se hodí ke Koni?"), sp(1), S, S, S, sp(24), prose(82)}
    }},
    {u8"Koza", 4471, {
        {lit(u8"KOZA"), sp(7), S, S, S, S, sp(1), traits(199), sp(2), L, sp(1), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(1330), sp(2), S, L, S, sp(1), lit(u8"Mezilidské vztahy"), sp(1), S,
         S, S, S},
        {prose(488), sp(18), L, sp(39), lit(u8"Příznivý den: čtvrtek"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 0, 3, 5"), sp(2), S, S, S, sp(17),
         lit(u8"Příznivé karty: červené (srdce), dáma + čísla")},
        {L, sp(1), S, S, sp(29), lit(u8"Známé osobnosti ve znamení Kozy:"), sp(1), people(26), sp(1)},
        {L, sp(1), S, sp(36), lit(u8"Kdo se hodí ke Koze?"), sp(1), S, S, S, sp(24), prose(242), sp(1)}
    }},
    {u8"Opice", 4733, {
        {lit(u8"OPICE"), sp(2), S, S, S, S, sp(16), traits(187), sp(2), L, sp(16), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(1451), sp(4), S, L, S, sp(1), lit(u8"Mezilidské vztahy"), sp(1), S,
         S, S, S},
        {prose(408), sp(17), L, sp(9), lit(u8"Příznivý den: pondělí"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 0, 2, 8"), sp(1), S, S, S, sp(29),
         lit(u8"Příznivé karty: zelené, dáma + čísla")},
        {L, sp(1), S, S, S, sp(1), lit(u8"Známé osobnosti ve znamení Opice:"), sp(1), people(19)},
        {L, sp(1), S, sp(46), lit(u8"Kdo se hodí k Opici?"), sp(1), S, S, S, sp(24), prose(466)}
    }},
    {u8"Kohout", 4639, {
        {lit(u8"KOHOUT"), sp(2), S, S, S, S, sp(1), traits(212), sp(1), L, lit(u8"Charakteristika"), sp(1),
         S, S, S, S, sp(1), prose(1309), sp(1), S, L, S, sp(21), lit(u8"Mezilidské vztahy"), sp(1), S, S, S,
         S},
        {prose(481), sp(14), L, sp(43), lit(u8"Příznivý den: sobota"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 2, 4, 9"), sp(1), S, S, S, sp(30),
         lit(u8"Příznivé karty: žaludy (kříže), král + čísla")},
        {L, sp(1), S, S, S, lit(u8"Známé osobnosti ve znamení Kohouta:"), sp(1), people(36), sp(1)},
        {L, sp(1), S, sp(11), lit(u8"Kdo se hodí ke Kohoutovi?"), sp(1), S, S, S, sp(21), prose(405)}
    }},
    {u8"Pes", 4800, {
        {lit(u8"PES"), sp(4), S, S, S, S, sp(1), traits(200), sp(2), L, sp(10), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(1181), sp(1), S, L, S, sp(69), lit(u8"Mezilidské vztahy"), sp(1), S,
         S, S, S},
        {prose(626), sp(133), L, sp(10), lit(u8"Příznivý den: pondělí"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 3, 5, 7"), sp(1), S, S, S, sp(29),
         lit(u8"Příznivé karty: žaludy (kříže), eso + čísla")},
        {L, sp(1), S, S, S, lit(u8"Známé osobnosti ve znamení Psa:"), sp(1), people(63), sp(1)},
        {L, sp(20), lit(u8"Kdo se hodí ke Psovi?"), sp(2), S, S, S, sp(24), prose(423)}
    }},
    {u8"Prase", 5030, {
        {lit(u8"PRASE"), sp(2), S, S, S, S, sp(1), traits(220), sp(2), L, sp(132), lit(u8"Charakteristika"),
         sp(1), S, S, S, S, sp(1), prose(288)},
        {sp(1), prose(1258), sp(1), S, L, sp(20), lit(u8"Mezilidské vztahy"), sp(1), S, S, S, S},
        {prose(230), sp(15), L, sp(117), lit(u8"Příznivý den: čtvrtek"), sp(1), S, S, S, sp(19),
         lit(u8"Příznivá čísla: 3, 4, 5"), sp(1), S, S, S, sp(30),
         lit(u8"Příznivé karty: zelené, eso + čísla")},
        {L, sp(1), S, S, S, sp(1), lit(u8"Známé osobnosti ve znamení Prasete:"), sp(1), people(70), sp(1)},
        {L, sp(1), S, sp(123), lit(u8"Kdo se hodí k Praseti?"), sp(2), S, S, S, sp(24), prose(491)}
    }}
};
// clang-format on

TEST(ChineseTexts, EverySignIsLaidOutAsItsTable) {
  ASSERT_EQ(layouts.size(), 12u);
  for (int sign = 0; sign < chineseSignCount; ++sign) {
    const SignLayout& layout = layouts[sign];
    SCOPED_TRACE(std::string(layout.name.begin(), layout.name.end()));
    const std::string t = text(1900 + sign);
    EXPECT_EQ(t.size(), layout.composed);
    EXPECT_EQ(text(2008 + sign), t);
    expectLayout(t, layout.pieces);
  }
}

TEST(ChineseTexts, TheRatBeginsWithItsHeadingAndFourShortPads) {
  const std::string rat = text(1900);
  EXPECT_EQ(rat.size(), 4645u);
  EXPECT_EQ(rat.substr(0, 5 + 2 + 4 * 36), cp(u8"KRYSA") + spaces(2) + spaces(4 * 36));
  // One more space, then the trait list (193 bytes) from byte 152.
  EXPECT_EQ(rat.substr(151, 8), cp(u8" Bystrá,"));
  // A space, the long pad and ten spaces after the trait list, then the first section label.
  EXPECT_EQ(rat.substr(152 + 193, 1 + 173 + 10), spaces(184));
  EXPECT_NE(rat[152 + 193 - 1], ' ');
  // Where each label stands, worked out from the heading on: 529 = 5 + 2 + 144 + 1 + 193 + 1 + 173 + 10.
  EXPECT_EQ(rat.find(cp(u8"Charakteristika")), 529u);
  EXPECT_EQ(rat.find(cp(u8"Mezilidské vztahy")), 529u + 15 + 1 + 144 + 1 + 1641 + 1 + 36 + 173 + 36 + 1);
  EXPECT_EQ(rat.find(cp(u8"Příznivý den: sobota")), 2578u + 17 + 1 + 144 + 195 + 17 + 173 + 10);
  EXPECT_EQ(rat.find(cp(u8"Příznivá čísla: 0 , 4 , 7")), 3135u + 20 + 1 + 108 + 19);
  EXPECT_EQ(rat.find(cp(u8"Příznivé karty: kule (káry), dáma + čísla")), 3283u + 25 + 1 + 108 + 17);
  EXPECT_EQ(rat.find(cp(u8"Známé osobnosti ve znamení Krysy:")), 3434u + 41 + 173 + 1 + 108 + 1);
  EXPECT_EQ(rat.find(cp(u8"Kdo se hodí ke Kryse?")), 3758u + 33 + 1 + 43 + 1 + 173 + 1 + 36 + 1);
  // The compatibility text, 444 bytes after its runs, closes the text.
  EXPECT_EQ(rat.substr(4047 + 21, 1 + 108 + 24), spaces(133));
  EXPECT_EQ(4047u + 21 + 133 + 444, rat.size());
  EXPECT_EQ(rat.substr(rat.size() - 7), cp(u8"životu."));
}

TEST(ChineseTexts, TheRoosterOfTheLastValidatedYear) {
  const std::string rooster = text(2005);
  EXPECT_EQ(rooster.size(), 4639u);
  EXPECT_EQ(rooster.substr(0, 6 + 2 + 4 * 36 + 1 + 1), cp(u8"KOHOUT") + spaces(2 + 4 * 36 + 1) + 'U');
}

TEST(ChineseTexts, ThePigOfTheLastAcceptedYear) {
  const std::string pig = text(2019);
  EXPECT_EQ(pig.size(), 5030u);
  EXPECT_EQ(pig, text(1911));
  // The character description goes on after the first piece with one space.
  const std::size_t character = pig.find(cp(u8"Charakteristika")) + 15 + 1 + 144 + 1;
  EXPECT_EQ(pig.find(cp(u8"Charakteristika")), 5u + 2 + 144 + 1 + 220 + 2 + 173 + 132);
  EXPECT_EQ(pig[character + 288], ' ');
  EXPECT_NE(pig[character + 287], ' ');
  EXPECT_NE(pig[character + 289], ' ');
}

TEST(ChineseTexts, TheRabbitHasOnlyTraitsFamousPeopleAndCompatibility) {
  for (int year : {1903, 1915, 1987, 2011}) {
    const std::string rabbit = text(year);
    EXPECT_EQ(rabbit.size(), 1426u);
    EXPECT_EQ(rabbit.substr(0, 6 + 6 + 4 * 36 + 3), cp(u8"KRÁLIK") + spaces(6 + 4 * 36 + 3));
    for (const char8_t* absent : {u8"Charakteristika", u8"Mezilidské vztahy", u8"Příznivý den",
                                  u8"Příznivá čísla", u8"Příznivé karty", u8"Příznivé"})
      EXPECT_EQ(rabbit.find(cp(absent)), std::string::npos) << year;
    // The compatibility section closes the text: its label, the runs, then prose to the end.
    const std::string label = cp(u8"Kdo se hodí ke Králíkovi?");
    const std::size_t at = rabbit.find(label);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(rabbit.substr(at + label.size(), 1 + 3 * 36 + 23), spaces(1 + 3 * 36 + 23));
    EXPECT_EQ(at + label.size() + 1 + 3 * 36 + 23 + 395, rabbit.size());
  }
}

// Section labels stand in their order in every text that has them.
TEST(ChineseTexts, SectionsInOrder) {
  for (int sign = 0; sign < chineseSignCount; ++sign) {
    const std::string t = text(1900 + sign);
    SCOPED_TRACE(sign);
    const std::size_t traits = cp(headings[sign]).size();
    const std::size_t character = t.find(cp(u8"Charakteristika"));
    const std::size_t relations = t.find(cp(u8"Mezilidské vztahy"));
    const std::size_t luck = t.find(cp(u8"Příznivý den: "));
    const std::size_t famous = t.find(cp(u8"Známé osobnosti ve znamení "));
    const std::size_t compatibility = t.find(cp(u8"Kdo se hodí k"));
    if (sign == 3) {
      EXPECT_LT(traits, famous);
    } else {
      EXPECT_LT(traits, character);
      EXPECT_LT(character, relations);
      EXPECT_LT(relations, luck);
      EXPECT_LT(luck, famous);
    }
    EXPECT_LT(famous, compatibility);
    EXPECT_NE(compatibility, std::string::npos);
  }
}

TEST(ChineseTexts, NoTabLineBreakOrPercentSignInAnyText) {
  std::vector<std::string> texts = {text(2020)};
  for (int year = 1900; year < 1912; ++year) texts.push_back(text(year));
  for (const std::string& t : texts) testing::expectNoneOf(t, "\t\r\n%");
}

TEST(ChineseTexts, LongestRunOfSpacesInsideAPiece) {
  // The runs the pieces carry beside the pads reach 133 spaces (the Dog's after its partnership
  // text, which the long pad then follows).
  const std::string dog = text(1910);
  const std::string run = spaces(133 + 173 + 10);
  EXPECT_NE(dog.find(run), std::string::npos);
  EXPECT_EQ(dog.find(run + ' '), std::string::npos);
}

}  // namespace
}  // namespace kalmira
