// The seasonal periods: twelve times of the natural year, from awakening to renewal.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t cyclicPadLength = 123;

// Writes the text of the period that the request's day and month fall in.
void writeCyclicText(ResultText& out);

}  // namespace kalmira
