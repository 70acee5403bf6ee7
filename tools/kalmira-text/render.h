// The program's code page 1250 result texts as readable paragraphs for a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/codepage.h"

namespace kalmira {

// The text as UTF-8 paragraphs (nextParagraph), each wrapped to `width` columns. Paragraphs are separated by
// an empty line; the result ends with a newline unless it is empty.
std::string renderParagraphs(std::string_view cp1250Text, std::size_t width);

}  // namespace kalmira
