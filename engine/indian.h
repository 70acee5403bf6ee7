// The Native American totems: twelve animals, one for each span of the year.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t indianPadLength = 123;

// Writes the text of the totem whose span the request's day and month fall in.
void writeIndianText(ResultText& out);

}  // namespace kalmira
