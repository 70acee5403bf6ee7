// Code page 1250 texts through the wide Windows functions.
#include "ui/wide_text.h"

#include "engine/birth_date.h"
#include "engine/codepage.h"
#include "engine/paragraphs.h"

namespace kalmira {

namespace {

// Longer than any label, message or title the program shows; the result text has its own buffer.
constexpr std::size_t lineUnits = 256;

}  // namespace

void setItemText(HWND dialog, int id, const char* text) {
  wchar_t wide[lineUnits];
  cp1250ToUtf16(text, wide, lineUnits);
  SetDlgItemTextW(dialog, id, wide);
}

void setItemParagraphs(HWND dialog, int id, std::string_view text) {
  static wchar_t wide[resultTextSize * 5 / 2];
  paragraphsToUtf16(text, wide, std::size(wide));
  SetDlgItemTextW(dialog, id, wide);
}

void addListString(HWND list, const char* text) {
  wchar_t wide[lineUnits];
  cp1250ToUtf16(text, wide, lineUnits);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide));
}

void showMessage(HWND owner, const char* text, const wchar_t* caption) {
  wchar_t wide[lineUnits];
  cp1250ToUtf16(text, wide, lineUnits);
  MessageBoxW(owner, wide, caption, MB_OK);
}

void itemText(HWND dialog, int id, char* out, std::size_t outSize) {
  wchar_t wide[lineUnits] = L"";
  GetDlgItemTextW(dialog, id, wide, static_cast<int>(outSize < lineUnits ? outSize : lineUnits));
  utf16ToCp1250(wide, out, outSize);
}

void listString(HWND list, int index, char* out, std::size_t outSize) {
  wchar_t wide[lineUnits] = L"";
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length >= 0 && length < static_cast<LRESULT>(lineUnits))
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide));
  utf16ToCp1250(wide, out, outSize);
}

}  // namespace kalmira
