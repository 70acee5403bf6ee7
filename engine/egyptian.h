// The Egyptian gods: eleven signs, each named after a god or goddess of ancient Egypt.
#pragma once

#include "engine/compose.h"

namespace kalmira {

inline constexpr std::size_t egyptianPadLength = 123;

// Writes the text of the god whose time the request's day and month fall in.
void writeEgyptianText(ResultText& out);

}  // namespace kalmira
