// Turning the program's code page 1250 texts into readable UTF-8 for a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalmira {

std::string cp1250ToUtf8(std::string_view text);

// True when `text` is well-formed UTF-8 (shortest forms of Unicode scalar values only).
bool isUtf8(std::string_view text);

// Code page 1250 bytes of a UTF-8 text; characters the code page lacks become '?'.
std::string utf8ToCp1250(std::string_view text);

// The text as paragraphs (nextParagraph), each wrapped to `width` columns. Paragraphs are separated by an
// empty line; the result ends with a newline unless it is empty.
std::string renderParagraphs(std::string_view cp1250Text, std::size_t width);

}  // namespace kalmira
