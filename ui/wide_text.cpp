// Conversion between code page 1250 and UTF-16 by the engine's own table, independent of the
// code pages Windows has installed.
#include "ui/wide_text.h"

#include "engine/codepage.h"
#include "engine/paragraphs.h"

namespace kalmira {

namespace {

wchar_t toWide(char byte) {
  const char32_t codePoint = cp1250ToUnicode(byte);
  return codePoint == 0 ? L'?' : static_cast<wchar_t>(codePoint);
}

}  // namespace

void cp1250ToWide(const char* text, wchar_t* out, std::size_t outSize) {
  if (outSize == 0) return;
  std::size_t length = 0;
  for (; text[length] != '\0' && length + 1 < outSize; ++length) out[length] = toWide(text[length]);
  out[length] = L'\0';
}

void cp1250ParagraphsToWide(std::string_view text, wchar_t* out, std::size_t outSize) {
  if (outSize == 0) return;
  std::size_t length = 0;
  auto put = [&](wchar_t c) {
    if (length + 1 < outSize) out[length++] = c;
  };
  std::size_t at = 0;
  for (std::string_view paragraph = nextParagraph(text, at); !paragraph.empty();
       paragraph = nextParagraph(text, at)) {
    if (length > 0)
      for (wchar_t c : std::wstring_view(L"\r\n\r\n")) put(c);
    for (char byte : paragraph) put(toWide(byte));
  }
  out[length] = L'\0';
}

void wideToCp1250(const wchar_t* text, char* out, std::size_t outSize) {
  if (outSize == 0) return;
  std::size_t length = 0;
  for (; text[length] != L'\0' && length + 1 < outSize; ++length) {
    const int byte = unicodeToCp1250(static_cast<char32_t>(text[length]));
    out[length] = byte < 0 ? '?' : static_cast<char>(byte);
  }
  out[length] = '\0';
}

}  // namespace kalmira
