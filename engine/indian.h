// The Native American totems: twelve animals, one for each span of the year.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t indianPadLength = 123;

// The finished text of the totem whose span the day and month fall in, or the not-found message.
std::string_view indianText(BirthDate date);

}  // namespace kalmira
