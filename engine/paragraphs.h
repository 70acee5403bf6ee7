// The paragraphs of a result text: where its layout runs break it, shared by every display of it.
#pragma once

#include <cstddef>
#include <string_view>

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

}  // namespace kalmira
