// Rendering of result texts for the console tool.
#include "tools/kalmira-text/render.h"

#include "engine/codepage.h"
#include "engine/paragraphs.h"

namespace kalmira {

namespace {

void wrapParagraph(std::string& out, std::string_view paragraph, std::size_t width) {
  std::size_t column = 0;
  std::size_t at = 0;
  while (at < paragraph.size()) {
    std::size_t end = paragraph.find(' ', at);
    if (end == std::string_view::npos) end = paragraph.size();
    const std::string_view word = paragraph.substr(at, end - at);
    if (column > 0 && column + 1 + word.size() > width) {
      out += '\n';
      column = 0;
    } else if (column > 0) {
      out += ' ';
      ++column;
    }
    out += cp1250ToUtf8(word);
    column += word.size();  // one column per character of the code page
    at = end + 1;
  }
  out += '\n';
}

}  // namespace

std::string renderParagraphs(std::string_view text, std::size_t width) {
  if (width < 20) width = 20;
  std::string out;
  std::size_t at = 0;
  for (std::string_view paragraph = nextParagraph(text, at); !paragraph.empty();
       paragraph = nextParagraph(text, at)) {
    if (!out.empty()) out += '\n';
    wrapParagraph(out, paragraph, width);
  }
  return out;
}

}  // namespace kalmira
