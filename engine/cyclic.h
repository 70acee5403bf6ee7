// The seasonal periods: twelve times of the natural year, from awakening to renewal.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t cyclicPadLength = 123;

// The finished text of the period that the day and month fall in, or the not-found message.
std::string_view cyclicText(BirthDate date);

}  // namespace kalmira
