// The horoscope request: its record, the reading of the date fields, the input checks with their
// messages, and the result title.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/birth_date.h"

namespace kalmira {

inline constexpr std::size_t typeNameSize = 32;

struct HoroscopeRequest {
  std::int32_t day;
  std::int32_t month;
  std::int32_t year;
  std::int32_t typeIndex;       // list position, -1 when nothing is selected
  char typeName[typeNameSize];  // the selected list text, code page 1250
};

// The date of a request as the generators read it.
constexpr BirthDate birthDateOf(const HoroscopeRequest& request) {
  return {request.day, request.month, request.year};
}

// How many characters of each date field are read; the rest of a field is ignored.
inline constexpr std::size_t dayFieldChars = 2;
inline constexpr std::size_t monthFieldChars = 2;
inline constexpr std::size_t yearFieldChars = 5;

// The value of a field's text by the standard decimal conversion: leading white space, an
// optional sign, digits up to the first non-digit; no digits give 0. Values beyond 32 bits are
// held at the nearest limit.
std::int32_t parseDateField(const char* text);

// Checks a request whose fields were read into `dayText`, `monthText`, `yearText` and parsed into
// `request`; `selectionLength` is the length of the selected list text (0 or less when nothing
// is selected). Returns the one message to show (code page 1250), or nullptr when it is valid.
const char* validateRequest(const char* dayText, const char* monthText, const char* yearText,
                            const HoroscopeRequest& request, int selectionLength);

// What the birth-date dialog hands over when compute is pressed: the fields as typed (code page
// 1250, any length) and the list selection.
struct RequestInput {
  const char* dayText;
  const char* monthText;
  const char* yearText;
  int typeIndex;         // -1 when nothing is selected
  const char* typeName;  // the selected list text, or "" when nothing is selected
  int selectionLength;   // its length, 0 or less when nothing is selected
};

// The compute command: reads each field up to its limit, parses the fields and the selection into
// `request` and validates it. Returns the message to show, or nullptr when valid.
const char* computeRequest(const RequestInput& input, HoroscopeRequest& request);

inline constexpr std::size_t titleSize = 60;

// "<type name> horoskop (<day>. <month>. <year>)", cut to fit `title` if it ever had to be.
void formatTitle(const HoroscopeRequest& request, char (&title)[titleSize]);

}  // namespace kalmira
