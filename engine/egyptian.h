// The Egyptian gods: eleven signs, each named after a god or goddess of ancient Egypt.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t egyptianPadLength = 123;

// The finished text of the god whose time the day and month fall in, or the not-found message.
std::string_view egyptianText(BirthDate date);

}  // namespace kalmira
