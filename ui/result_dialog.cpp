// The result dialog: one horoscope's title and text, over the birth-date dialog.
#include "engine/request.h"
#include "engine/systems.h"
#include "resources/palette.h"
#include "resources/resource.h"
#include "ui/button_bitmap.h"
#include "ui/dialog_font.h"
#include "ui/dialogs.h"
#include "ui/wide_text.h"

namespace {

HBRUSH resultBrush = nullptr;
HBITMAP cancelBitmap = nullptr;
HFONT letterFont = nullptr;

void initResultDialog(HWND dialog, const kalmira::HoroscopeRequest& request) {
  cancelBitmap = setButtonBitmap(dialog, IDCANCEL, IDB_CANCEL_BUTTON);
  resultBrush = CreateSolidBrush(palette::background);
  letterFont = useCentralEuropeanFont(dialog);

  char title[kalmira::titleSize];
  kalmira::formatTitle(request, title);

  // The texts' layout runs were meant for one font at one width; here each becomes a paragraph
  // break, or the edit box would push whole passages past its right edge.
  kalmira::setItemParagraphs(dialog, IDC_RESULT_TEXT,
                             kalmira::horoscopeText(request.typeIndex, kalmira::birthDateOf(request)));
  kalmira::setItemText(dialog, IDC_RESULT_TITLE, title);

  // Start reading at the top, with nothing selected.
  const HWND edit = GetDlgItem(dialog, IDC_RESULT_TEXT);
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, 0);
}

}  // namespace

// Opened with the request to show as its parameter.
INT_PTR CALLBACK resultDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      initResultDialog(dialog, *reinterpret_cast<const kalmira::HoroscopeRequest*>(lParam));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;  // Enter (IDOK) leaves the result open
    case WM_CTLCOLOREDIT:
      SetBkColor(reinterpret_cast<HDC>(wParam), palette::background);
      return reinterpret_cast<INT_PTR>(resultBrush);
    case WM_CTLCOLORDLG:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(resultBrush);
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), palette::ink);
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(resultBrush);
    case WM_DESTROY:
      DeleteObject(resultBrush);
      DeleteObject(cancelBitmap);
      DeleteObject(letterFont);
      resultBrush = nullptr;
      cancelBitmap = nullptr;
      letterFont = nullptr;
      return FALSE;
  }
  return FALSE;
}
