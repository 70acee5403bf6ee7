// The European zodiac with its long texts: character portrait and fact sheet.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t europeanPadLength = 123;

// The finished text of the sign that the day and month fall in, or the not-found message.
std::string_view europeanText(BirthDate date);

}  // namespace kalmira
