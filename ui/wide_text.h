// The Windows calls through which the program's code page 1250 texts are shown and read: each
// goes through the wide function, converted by the engine's table, so that the texts read right
// whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace kalmira {

void setItemText(HWND dialog, int id, const char* text);
// The result text as its paragraphs, each on its own, with an empty line between them.
void setItemParagraphs(HWND dialog, int id, std::string_view text);
void addListString(HWND list, const char* text);
void showMessage(HWND owner, const char* text, const wchar_t* caption);

// Reads the text of a control, or of entry `index` of a list box, into `out` (`outSize` bytes with
// the terminator; only the first characters of a longer text); a character the code page lacks
// becomes '?'.
void itemText(HWND dialog, int id, char* out, std::size_t outSize);
void listString(HWND list, int index, char* out, std::size_t outSize);

template <std::size_t N>
void itemText(HWND dialog, int id, char (&out)[N]) {
  itemText(dialog, id, out, N);
}
template <std::size_t N>
void listString(HWND list, int index, char (&out)[N]) {
  listString(list, index, out, N);
}

}  // namespace kalmira
