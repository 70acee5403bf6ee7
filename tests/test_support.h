// Small helpers the engine tests share.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include "engine/codepage.h"
#include "engine/request.h"

namespace kalmira::testing {

// Code page 1250 bytes of a UTF-8 literal (for expected texts in the tests).
inline std::string cp(std::u8string_view utf8) {
  std::string out;
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Char decoded = decodeUtf8(utf8, at);
    out += static_cast<char>(unicodeToCp1250(decoded.codePoint));
    at += decoded.length;
  }
  return out;
}

inline std::string spaces(std::size_t count) { return std::string(count, ' '); }

// The result text of a generator for a date, through the request as the program fills it.
struct Generated {
  std::string text;
  bool terminated;   // the terminator stands inside the result text
  bool guardIntact;  // nothing was written past the result text
};

inline Generated generate(int typeIndex, int day, int month, int year) {
  struct {
    ResultText text;
    char guard[64];
  } buffer;
  std::memset(&buffer, 0x5A, sizeof buffer);
  horoscopeRequest = {};
  horoscopeRequest.day = day;
  horoscopeRequest.month = month;
  horoscopeRequest.year = year;
  horoscopeRequest.typeIndex = typeIndex;
  writeHoroscopeText(horoscopeRequest, buffer.text);
  const void* end = std::memchr(buffer.text, '\0', resultTextSize);
  bool guardIntact = true;
  for (char c : buffer.guard) guardIntact = guardIntact && c == 0x5A;
  return {end ? std::string(buffer.text) : std::string(), end != nullptr, guardIntact};
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

}  // namespace kalmira::testing
