// The European zodiac with its short texts: the sign's heading and a sentence or three about it.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t europeanShortPadLength = 156;

// The finished short text of the sign that the day and month fall in, or the not-found message.
std::string_view europeanShortText(BirthDate date);

}  // namespace kalmira
