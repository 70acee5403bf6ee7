// The six horoscope systems in the order the program's list offers them: each one's list text and
// generator. The list, the console tool's usage and the choice of generator all come from here.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/birth_date.h"

namespace kalmira {

// The six systems by their position in the list.
enum class HoroscopeType : std::int32_t {
  European = 0,
  Chinese = 1,
  Cyclic = 2,
  Egyptian = 3,
  Indian = 4,
  EuropeanShort = 5,
};

inline constexpr int horoscopeTypeCount = 6;

struct HoroscopeSystem {
  HoroscopeType type;
  const char* listText;  // code page 1250, NUL-terminated
  std::string_view (*text)(BirthDate date);
};

// In list order: the entry at position i is of type i.
extern const HoroscopeSystem horoscopeSystems[horoscopeTypeCount];

// The text of a system for a date; an empty text for a type index outside the list. Every text
// handed out is followed by its terminator.
std::string_view horoscopeText(std::int32_t typeIndex, BirthDate date);

}  // namespace kalmira
