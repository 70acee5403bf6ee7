// The paragraphs of a result text, by its layout runs.
#include "engine/paragraphs.h"

namespace kalmira {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string_view nextParagraph(std::string_view text, std::size_t& at) {
  // A paragraph begins at the text's start or after a layout run, and either way after every
  // blank there: a run at the start is a layout run too.
  while (at < text.size() && isBlank(text[at])) ++at;
  const std::size_t start = at;
  // Views are cut with their constructor, not substr: substr's range check would bring the standard
  // library's exception machinery into the Windows program, well over a hundred kilobytes.
  while (at < text.size()) {
    if (!isBlank(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && isBlank(text[end])) ++end;
    if (end - at > 2 || text[at] == '\t' || end == text.size()) {
      const std::string_view paragraph(text.data() + start, at - start);
      at = end;
      return paragraph;
    }
    at = end;  // the space between two words, or the two between a fact sheet's label and value
  }
  return {text.data() + start, at - start};
}

}  // namespace kalmira
