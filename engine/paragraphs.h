// The paragraphs of a result text: where its layout runs break it, shared by every display of it.
#pragma once

#include <cstddef>
#include <string_view>

#include "engine/codepage.h"

namespace kalmira {

// The texts lay themselves out for one font at one width with runs of blanks: a tab, three or more
// spaces, or blanks at the very start or end. Anywhere else such a run breaks lines unpredictably,
// so a display shows each run as a paragraph break instead. Single spaces stay inside paragraphs,
// and so do two: they stand only between a fact sheet's label and its value ("Barva:  černá"),
// which belong on one line.
//
// Returns the next paragraph of the code page 1250 `text` from `at` on and moves `at` past it and
// the run that ends it; an empty view once no paragraph is left. A paragraph is never empty.
std::string_view nextParagraph(std::string_view text, std::size_t& at);

// The code page 1250 result `text` as UTF-16 for a multi-line edit box: each paragraph on its own,
// separated by an empty line ("\r\n\r\n"). The output is at most 2.5 times as long as the text
// (every separator stands for a run of one or more blanks between non-empty paragraphs); `out`
// holds `outSize` units with the terminator, and a longer result is cut short.
template <class Unit>
void paragraphsToUtf16(std::string_view text, Unit* out, std::size_t outSize) {
  if (outSize == 0) return;
  std::size_t length = 0;
  std::size_t at = 0;
  out[0] = 0;
  for (std::string_view paragraph = nextParagraph(text, at); !paragraph.empty();
       paragraph = nextParagraph(text, at)) {
    if (length > 0) length += cp1250ToUtf16("\r\n\r\n", out + length, outSize - length);
    length += cp1250ToUtf16(paragraph, out + length, outSize - length);
  }
}

}  // namespace kalmira
