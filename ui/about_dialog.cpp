// The About box: the program's name, author, contact, page and licence line.
#include "resources/resource.h"
#include "ui/dialog_font.h"
#include "ui/dialogs.h"

namespace {

const COLORREF aboutBackground = RGB(253, 236, 215);

HBRUSH aboutBrush = nullptr;
HBITMAP cancelBitmap = nullptr;
HFONT letterFont = nullptr;

}  // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  switch (message) {
    case WM_INITDIALOG:
      cancelBitmap = setButtonBitmap(dialog, IDCANCEL, IDB_CANCEL_BUTTON);
      aboutBrush = CreateSolidBrush(aboutBackground);
      letterFont = useCentralEuropeanFont(dialog);
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;  // Enter (IDOK) and the rest do nothing
    case WM_CTLCOLORDLG:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(aboutBrush);
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
      SetBkColor(reinterpret_cast<HDC>(wParam), aboutBackground);
      return reinterpret_cast<INT_PTR>(birthDateDialogBrush);
    case WM_DESTROY:
      DeleteObject(aboutBrush);
      DeleteObject(cancelBitmap);
      DeleteObject(letterFont);
      aboutBrush = nullptr;
      cancelBitmap = nullptr;
      letterFont = nullptr;
      return FALSE;
  }
  return FALSE;
}
