// The European zodiac with its long texts: character portrait and fact sheet.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t europeanPadLength = 123;

// Writes the text of the sign that the request's day and month fall in.
void writeEuropeanText(ResultText& out);

}  // namespace kalmira
