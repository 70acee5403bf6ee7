// The conversions between code page 1250 and UTF-8 that need a growing string.
#include "engine/codepage.h"

namespace kalmira {

namespace {

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {  // every character of the code page lies below U+10000
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
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

std::string utf8ToCp1250(std::u8string_view text, std::size_t* firstFailure) {
  std::string out;
  if (firstFailure) *firstFailure = std::string::npos;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Char decoded = decodeUtf8(text, at);
    const int byte = decoded.length == 0 ? -1 : unicodeToCp1250(decoded.codePoint);
    if (byte < 0 && firstFailure && *firstFailure == std::string::npos) *firstFailure = at;
    out += byte < 0 ? '?' : static_cast<char>(byte);
    at += decoded.length == 0 ? 1 : decoded.length;
  }
  return out;
}

}  // namespace kalmira
