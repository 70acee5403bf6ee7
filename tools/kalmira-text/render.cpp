// Rendering of result texts for the console tool.
#include "tools/kalmira-text/render.h"

#include "engine/codepage.h"
#include "engine/paragraphs.h"

namespace kalmira {

namespace {

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

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

std::string cp1250ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char byte : text) {
    const char32_t codePoint = cp1250ToUnicode(byte);
    appendUtf8(out, codePoint == 0 && byte != '\0' ? U'\uFFFD' : codePoint);
  }
  return out;
}

bool isUtf8(std::string_view text) {
  const std::u8string_view utf8{reinterpret_cast<const char8_t*>(text.data()), text.size()};
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t length = decodeUtf8(utf8, at).length;
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string utf8ToCp1250(std::string_view text) {
  std::string out;
  const std::u8string_view utf8{reinterpret_cast<const char8_t*>(text.data()), text.size()};
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Char decoded = decodeUtf8(utf8, at);
    if (decoded.length == 0) {
      out += '?';
      ++at;
      continue;
    }
    const int byte = unicodeToCp1250(decoded.codePoint);
    out += byte < 0 ? '?' : static_cast<char>(byte);
    at += decoded.length;
  }
  return out;
}

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
