// The compute command's reading and checks, and the title.
#include "engine/request.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "engine/text.h"

namespace kalmira {

namespace {

constexpr auto noTypeSelected = cp1250(u8"Nevybral si typ horoskopu");
constexpr auto dateNotFilledIn = cp1250(u8"Nevyplnil si správne dátum narodenia");
constexpr auto wrongDay = cp1250(u8"Nesprávna hodnota dňa");
constexpr auto wrongMonth = cp1250(u8"Nesprávna hodnota mesiaca");
constexpr auto wrongYear = cp1250(u8"Nesprávne zadaný rok narodenia");

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Copies at most `limit` characters of `text` into `field`, as the dialog reads a field into a
// buffer of limit + 1 bytes.
template <std::size_t N>
void readField(const char* text, char (&field)[N]) {
  std::size_t length = 0;
  while (length < N - 1 && text[length] != '\0') {
    field[length] = text[length];
    ++length;
  }
  field[length] = '\0';
}

}  // namespace

std::int32_t parseDateField(const char* text) {
  while (isSpace(*text)) ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = *text++ == '-';
  constexpr long long limit = std::numeric_limits<std::int32_t>::max() + 1LL;
  long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (value <= limit) value = value * 10 + (*text - '0');
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

const char* validateRequest(const char* dayText, const char* monthText, const char* yearText,
                            const HoroscopeRequest& request, int selectionLength) {
  if (selectionLength < 1) return noTypeSelected.c_str();
  if (*dayText == '\0' || *monthText == '\0' || *yearText == '\0') return dateNotFilledIn.c_str();
  if (request.day == 0 || request.day >= 32) return wrongDay.c_str();
  if (request.month == 0 || request.month >= 13) return wrongMonth.c_str();
  if (request.year < 1900 || request.year > 2005) return wrongYear.c_str();
  return nullptr;
}

const char* computeRequest(const RequestInput& input, HoroscopeRequest& request) {
  char day[dayFieldChars + 1];
  char month[monthFieldChars + 1];
  char year[yearFieldChars + 1];
  readField(input.dayText, day);
  readField(input.monthText, month);
  readField(input.yearText, year);

  request.day = parseDateField(day);
  request.month = parseDateField(month);
  request.year = parseDateField(year);
  request.typeIndex = input.typeIndex;
  readField(input.typeName, request.typeName);

  return validateRequest(day, month, year, request, input.selectionLength);
}

void formatTitle(const HoroscopeRequest& request, char (&title)[titleSize]) {
  char typeName[typeNameSize];
  readField(request.typeName, typeName);  // the record's text may lack its terminator
  std::snprintf(title, titleSize, "%s horoskop (%d. %d. %d)", typeName, static_cast<int>(request.day),
                static_cast<int>(request.month), static_cast<int>(request.year));
}

}  // namespace kalmira
