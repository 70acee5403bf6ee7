// The European zodiac with its short texts: the sign's heading and a sentence or three about it.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t europeanShortPadLength = 156;

// Writes the short text of the sign that the request's day and month fall in.
void writeEuropeanShortText(ResultText& out);

}  // namespace kalmira
