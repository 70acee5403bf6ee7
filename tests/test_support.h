// Small helpers the engine tests share.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "engine/codepage.h"
#include "engine/systems.h"

namespace kalmira::testing {

// Code page 1250 bytes of a UTF-8 literal (for expected texts in the tests).
inline std::string cp(std::u8string_view utf8) {
  std::size_t failure = 0;
  std::string out = utf8ToCp1250(utf8, &failure);
  if (failure != std::string::npos) ADD_FAILURE() << "no code page 1250 character at UTF-8 byte " << failure;
  return out;
}

inline std::string spaces(std::size_t count) { return std::string(count, ' '); }

// The text of a system for a date, and whether a caller may read it as a C string that fits the
// result text.
struct Generated {
  std::string text;
  bool terminated;  // no NUL inside, the terminator right after it, all within the result text
};

inline Generated generate(int typeIndex, int day, int month, int year) {
  const std::string_view text = horoscopeText(typeIndex, {day, month, year});
  const bool terminated = text.size() < resultTextSize && text.find('\0') == std::string_view::npos &&
                          text.data()[text.size()] == '\0';
  return {std::string(text), terminated};
}

inline std::string generateText(int typeIndex, int day, int month, int year = 1980) {
  return generate(typeIndex, day, month, year).text;
}

// Lengths of the runs of at least `minimum` spaces, in order.
inline std::string runsOfSpaces(std::string_view text, std::size_t minimum) {
  std::string runs;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] != ' ') {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && text[end] == ' ') ++end;
    if (end - at >= minimum) runs += (runs.empty() ? "" : " ") + std::to_string(end - at);
    at = end;
  }
  return runs;
}

// What the date generators must all have in common, checked the same way for each of them.

// The whole text of a date generator for a month outside the year. Spelt out here rather than
// taken from the engine, so that a change to the engine's message shows up as a failure.
inline const std::string notFound = cp(u8"Nastala chyba nemôžem nájsť tvoje znamenie");

// True when `text` begins with `heading` and the space after it: a longer heading that merely
// starts with the same letters does not count.
inline bool beginsWithHeading(std::string_view text, std::u8string_view heading) {
  const std::string bytes = cp(heading) + ' ';
  return text.substr(0, bytes.size()) == bytes;
}

// The index of the first of `headings` that `text` begins with, or -1 when it begins with none.
inline int headingIndex(std::string_view text, std::span<const std::u8string_view> headings) {
  for (std::size_t i = 0; i < headings.size(); ++i)
    if (beginsWithHeading(text, headings[i])) return static_cast<int>(i);
  return -1;
}

// The heading `text` begins with, as UTF-8 for readable failures, or "none".
inline std::string headingOf(std::string_view text, std::span<const std::u8string_view> headings) {
  const int index = headingIndex(text, headings);
  if (index < 0) return "none";
  const std::u8string_view heading = headings[static_cast<std::size_t>(index)];
  return {heading.begin(), heading.end()};
}

// A date and the heading of the sign its text must carry.
struct DateSign {
  int day, month;
  const char* sign;
};

// The last day of each European sign and the first of the next; both European generators find
// their signs by the same table.
inline constexpr DateSign europeanBoundaryDays[] = {
    {20, 3, "Ryby"},      {21, 3, "Baran"},    {20, 4, "Baran"},    {21, 4, "Býk"},
    {21, 5, "Býk"},       {22, 5, "Blíženci"}, {21, 6, "Blíženci"}, {22, 6, "Rak"},
    {22, 7, "Rak"},       {23, 7, "Lev"},      {22, 8, "Lev"},      {23, 8, "Panna"},
    {22, 9, "Panna"},     {23, 9, "Váhy"},     {23, 10, "Váhy"},    {24, 10, "Škorpión"},
    {22, 11, "Škorpión"}, {23, 11, "Strelec"}, {21, 12, "Strelec"}, {22, 12, "Kozorožec"},
    {20, 1, "Kozorožec"}, {21, 1, "Vodnár"},   {20, 2, "Vodnár"},   {21, 2, "Ryby"},
};

// The heading of the sign a date's text belongs to, as a test file finds it.
using SignOfDate = std::string (*)(int day, int month);

inline void expectSignsOfDates(SignOfDate signOf, std::span<const DateSign> dates) {
  for (const DateSign& date : dates)
    EXPECT_EQ(signOf(date.day, date.month), date.sign) << date.day << ". " << date.month << ".";
}

// `endingIn` names, for each month from January, the sign whose clause for that month has no
// first day: a day of 0 or less can meet no other, however far below the month it lies.
inline void expectNegativeDaysFallIn(SignOfDate signOf, std::span<const char* const, 12> endingIn) {
  for (int month = 1; month <= 12; ++month)
    for (int day : {-1, -5, -31, INT_MIN})
      EXPECT_EQ(signOf(day, month), endingIn[month - 1]) << day << ". " << month << ".";
}

// No sign has a clause for a month outside 1 to 12, whatever the day.
inline void expectNotFoundOutsideTheYear(int typeIndex) {
  for (int month : {-1, -2, -12, 0, 13, INT_MIN, INT_MAX})
    for (int day : {-1, 1, 15, 31})
      EXPECT_EQ(generateText(typeIndex, day, month), notFound) << day << ". " << month << ".";
}

inline void expectYearHasNoEffect(int typeIndex, int day, int month) {
  const std::string reference = generateText(typeIndex, day, month, 1980);
  for (int year : {1900, 2005, -1, 0, 123456})
    EXPECT_EQ(generateText(typeIndex, day, month, year), reference) << year;
}

// The texts of the 15th of every month: with twelve signs, one of each.
inline std::set<std::string> textsOfTheFifteenths(int typeIndex) {
  std::set<std::string> texts;
  for (int month = 1; month <= 12; ++month) texts.insert(generateText(typeIndex, 15, month));
  return texts;
}

// Generates every day from -5 to 40 of every month from -2 to 14, dates outside the calendar
// included, and hands each text to `check` once it is known to be terminated inside the result
// text. Stops at the first fatal failure, as the loop would if it stood in the test itself.
template <class Check>
void forEachDateOfTheGrid(int typeIndex, Check check) {
  for (int month = -2; month <= 14; ++month) {
    for (int day = -5; day <= 40; ++day) {
      const Generated generated = generate(typeIndex, day, month, 1980);
      ASSERT_TRUE(generated.terminated) << day << ". " << month << ".";
      check(day, month, generated.text);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

// Over the grid, a month of the year gets exactly one of `signTexts`, any other the not-found text.
inline void expectGridGivesOneSignOrNotFound(int typeIndex, const std::set<std::string>& signTexts) {
  forEachDateOfTheGrid(typeIndex, [&](int day, int month, const std::string& text) {
    if (month >= 1 && month <= 12)
      EXPECT_EQ(signTexts.count(text), 1u) << day << ". " << month << ".";
    else
      EXPECT_EQ(text, notFound) << day << ". " << month << ".";
  });
}

// None of `bytes` stands anywhere in `text` (a '%' would be a placeholder left unfilled).
inline void expectNoneOf(std::string_view text, std::string_view bytes) {
  for (char byte : bytes)
    EXPECT_EQ(text.find(byte), std::string_view::npos) << "byte " << static_cast<int>(byte);
}

}  // namespace kalmira::testing
