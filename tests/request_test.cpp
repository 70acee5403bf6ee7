// The compute command: reading limits, parsing, the order of the checks and the title.
#include "engine/request.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/systems.h"
#include "tests/test_support.h"

namespace kalmira {
namespace {

using testing::cp;

// The record the compute command fills, as the dialog holds it.
HoroscopeRequest request;

// The compute command as the dialog runs it, with list position `type` (-1: nothing selected).
std::string compute(const char* day, const char* month, const char* year, int type = 0) {
  const char* name = type >= 0 ? horoscopeSystems[type].listText : "";
  const int length = type >= 0 ? static_cast<int>(std::strlen(name)) : -1;
  const char* message = computeRequest({day, month, year, type, name, length}, request);
  return message ? message : "";
}

const std::string noType = cp(u8"Nevybral si typ horoskopu");
const std::string noDate = cp(u8"Nevyplnil si správne dátum narodenia");
const std::string badDay = cp(u8"Nesprávna hodnota dňa");
const std::string badMonth = cp(u8"Nesprávna hodnota mesiaca");
const std::string badYear = cp(u8"Nesprávne zadaný rok narodenia");

TEST(ParseDateField, ReadsLikeTheStandardDecimalConversion) {
  EXPECT_EQ(parseDateField("15"), 15);
  EXPECT_EQ(parseDateField("  7"), 7);
  EXPECT_EQ(parseDateField("\t+4"), 4);
  EXPECT_EQ(parseDateField("-1"), -1);
  EXPECT_EQ(parseDateField("12ab"), 12);
  EXPECT_EQ(parseDateField("ab"), 0);
  EXPECT_EQ(parseDateField(""), 0);
  EXPECT_EQ(parseDateField(" "), 0);
  EXPECT_EQ(parseDateField("-"), 0);
  EXPECT_EQ(parseDateField("- 5"), 0);
  EXPECT_EQ(parseDateField("99999999999"), 2147483647);
  EXPECT_EQ(parseDateField("-99999999999"), -2147483647 - 1);
}

TEST(Validation, ChecksInOrderAndStopsAtTheFirstFailure) {
  EXPECT_EQ(compute("", "", "", -1), noType);  // nothing is right: only the first message
  EXPECT_EQ(compute("0", "13", "1800", -1), noType);
  EXPECT_EQ(compute("0", "", "1800"), noDate);  // empty field before any value test
  EXPECT_EQ(compute("0", "13", "1800"), badDay);
  EXPECT_EQ(compute("5", "13", "1800"), badMonth);
  EXPECT_EQ(compute("5", "9", "1800"), badYear);
  EXPECT_EQ(compute("5", "9", "1980"), "");
}

TEST(Validation, EmptyFieldsAndSelection) {
  EXPECT_EQ(compute("5", "", "1980"), noDate);
  EXPECT_EQ(compute("", "9", "1980"), noDate);
  EXPECT_EQ(compute("5", "9", ""), noDate);
  EXPECT_EQ(compute("5", "9", "1980", -1), noType);
  // A selection whose text were empty counts as none.
  EXPECT_EQ(computeRequest({"5", "9", "1980", 0, "", 0}, request), noType);
}

TEST(Validation, DayValues) {
  EXPECT_EQ(compute("0", "2", "1980"), badDay);
  EXPECT_EQ(compute("32", "2", "1980"), badDay);
  EXPECT_EQ(compute("ab", "2", "1980"), badDay);
  EXPECT_EQ(compute(" ", "2", "1980"), badDay);  // a space is not empty, but parses to 0
  EXPECT_EQ(compute("31", "2", "1980"), "");     // the day test ignores the month
  EXPECT_EQ(compute("30", "2", "1980"), "");
  EXPECT_EQ(compute("-5", "4", "1980"), "");   // negative days pass
  EXPECT_EQ(compute("123", "2", "1980"), "");  // read as 12
  EXPECT_EQ(request.day, 12);
  EXPECT_EQ(compute("1", "1", "1980"), "");
  EXPECT_EQ(compute("31", "1", "1980"), "");
}

TEST(Validation, MonthValues) {
  EXPECT_EQ(compute("1", "13", "1980"), badMonth);
  EXPECT_EQ(compute("1", "0", "1980"), badMonth);
  EXPECT_EQ(compute("1", " ", "1980"), badMonth);
  EXPECT_EQ(compute("1", "-1", "1980"), "");
  EXPECT_EQ(request.month, -1);
  EXPECT_EQ(compute("1", "12", "1980"), "");
  EXPECT_EQ(compute("1", "123", "1980"), "");  // read as 12
}

TEST(Validation, YearValues) {
  EXPECT_EQ(compute("1", "1", "1899"), badYear);
  EXPECT_EQ(compute("1", "1", "2006"), badYear);
  EXPECT_EQ(compute("1", "1", "1900"), "");
  EXPECT_EQ(compute("1", "1", "2005"), "");
  EXPECT_EQ(compute("1", "1", "199999"), badYear);  // read as 19999
  EXPECT_EQ(request.year, 19999);
  EXPECT_EQ(compute("1", "1", "2000x"), "");
  EXPECT_EQ(compute("1", "1", " 1980"), "");        // five characters: " 1980"
  EXPECT_EQ(compute("1", "1", "  1980"), badYear);  // five characters: "  198"
}

TEST(ComputeRequest, FillsTheRequestEvenWhenInvalid) {
  compute("7", "13", "1999", 3);
  EXPECT_EQ(request.day, 7);
  EXPECT_EQ(request.month, 13);
  EXPECT_EQ(request.year, 1999);
  EXPECT_EQ(request.typeIndex, 3);
  EXPECT_STREQ(request.typeName, cp(u8"Egyptský").c_str());
  compute("7", "1", "1999", -1);
  EXPECT_EQ(request.typeIndex, -1);
  EXPECT_STREQ(request.typeName, "");
}

TEST(ComputeRequest, KeepsAnOverlongTypeNameInsideItsBuffer) {
  const std::string longName(100, 'x');
  computeRequest({"1", "1", "1980", 0, longName.c_str(), 100}, request);
  EXPECT_EQ(std::string(request.typeName), std::string(31, 'x'));
}

TEST(HoroscopeTypes, ListTextsInOrder) {
  const char8_t* expected[] = {u8"Európsky", u8"Čínsky",    u8"Cyklický",
                               u8"Egyptský", u8"Indiánsky", u8"Európsky krátky"};
  for (int i = 0; i < horoscopeTypeCount; ++i) {
    EXPECT_EQ(horoscopeSystems[i].listText, cp(expected[i]));
    EXPECT_EQ(static_cast<int>(horoscopeSystems[i].type), i);
  }
}

TEST(FormatTitle, NamesTheTypeAndTheDate) {
  char title[titleSize];
  compute("5", "9", "1980", 0);
  formatTitle(request, title);
  EXPECT_EQ(std::string(title), cp(u8"Európsky horoskop (5. 9. 1980)"));
  compute("1", "1", "2000", 5);
  formatTitle(request, title);
  EXPECT_EQ(std::string(title), cp(u8"Európsky krátky horoskop (1. 1. 2000)"));
  compute("-9", "-1", "1900", 4);
  formatTitle(request, title);
  EXPECT_EQ(std::string(title), cp(u8"Indiánsky horoskop (-9. -1. 1900)"));
}

TEST(FormatTitle, NeverRunsPastItsBuffer) {
  HoroscopeRequest request{};
  std::memset(request.typeName, 'x', sizeof request.typeName);  // no terminator at all
  request.day = request.month = request.year = -2147483647 - 1;
  char title[titleSize];
  formatTitle(request, title);
  EXPECT_EQ(std::strlen(title), titleSize - 1);
  EXPECT_EQ(std::string(title).substr(0, 40), std::string(31, 'x') + " horoskop");
}

TEST(HoroscopeText, AnUnknownTypeGivesAnEmptyTerminatedText) {
  for (int type : {-1, 6, 1000}) {
    const std::string_view text = horoscopeText(type, {1, 1, 1980});
    EXPECT_EQ(text, "") << type;
    ASSERT_NE(text.data(), nullptr) << type;  // a caller may read it as a C string or copy from it
    EXPECT_EQ(*text.data(), '\0') << type;
    EXPECT_TRUE(testing::generate(type, 1, 1, 1980).terminated) << type;
  }
}

}  // namespace
}  // namespace kalmira
