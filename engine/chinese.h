// The Chinese zodiac: twelve animal signs chosen by the birth year alone.
#pragma once

#include <cstdint>

#include "engine/compose.h"

namespace kalmira {

inline constexpr int chineseSignCount = 12;
inline constexpr std::int32_t chineseFirstYear = 1900;  // a Rat year, sign number 0
inline constexpr std::int32_t chineseLastYear = 2019;
inline constexpr std::size_t chineseShortPadLength = 36;
inline constexpr std::size_t chineseLongPadLength = 173;

// The whole text for a year outside the generator's years.
inline constexpr auto chineseYearOutOfRangeMessage = cp1250(u8"Chyba zle zadaný rok narodenia");

// The sign number of a year (0 Rat to 11 Pig), or -1 outside 1900 to 2019. The Gregorian year
// counts, not the lunar one: 1 January and 31 December of a year share their sign.
constexpr int findChineseSign(std::int32_t year) {
  // Unsigned, so that years before the first one wrap to large offsets and fail the same single
  // test as years after the last one, and so that no year can overflow the subtraction.
  const std::uint32_t offset =
      static_cast<std::uint32_t>(year) - static_cast<std::uint32_t>(chineseFirstYear);
  if (offset > static_cast<std::uint32_t>(chineseLastYear - chineseFirstYear)) return -1;
  return static_cast<int>(offset % chineseSignCount);
}

// The finished text of the sign of the year, or the out-of-range message; the day and month play no part.
std::string_view chineseText(BirthDate date);

}  // namespace kalmira
