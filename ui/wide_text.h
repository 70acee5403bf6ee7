// The one place where the program's code page 1250 texts become UTF-16 for the wide Windows
// functions, so that they read right whatever the system's ANSI code page is.
#pragma once

#include <cstddef>
#include <string_view>

namespace kalmira {

// Converts the NUL-terminated `text` into `out`, which holds `outSize` characters with the
// terminator; a longer text is cut short.
void cp1250ToWide(const char* text, wchar_t* out, std::size_t outSize);

template <std::size_t N>
void cp1250ToWide(const char* text, wchar_t (&out)[N]) {
  cp1250ToWide(text, out, N);
}

// Converts the code page 1250 result `text` for a multi-line edit box: each paragraph (see
// nextParagraph) on its own, separated by an empty line ("\r\n\r\n"). The output is at most
// 2.5 times as long as the text (every separator stands for a run of one or more blanks between
// non-empty paragraphs); a longer result is cut short.
void cp1250ParagraphsToWide(std::string_view text, wchar_t* out, std::size_t outSize);

template <std::size_t N>
void cp1250ParagraphsToWide(std::string_view text, wchar_t (&out)[N]) {
  cp1250ParagraphsToWide(text, out, N);
}

// Converts UTF-16 `text` back to code page 1250 (what the engine holds); characters the code page
// lacks become '?'.
void wideToCp1250(const wchar_t* text, char* out, std::size_t outSize);

template <std::size_t N>
void wideToCp1250(const wchar_t* text, char (&out)[N]) {
  wideToCp1250(text, out, N);
}

}  // namespace kalmira
