// What every horoscope system is asked with, and the room its answer fits in.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kalmira {

// The date a generator reads, the fields as the request record holds them.
struct BirthDate {
  std::int32_t day;
  std::int32_t month;
  std::int32_t year;
};

// Every finished text, its terminator included, fits in this many bytes; the build checks each.
inline constexpr std::size_t resultTextSize = 6000;

}  // namespace kalmira
