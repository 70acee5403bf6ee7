// The About box: the program's name, author, contact, page and licence line.
#include "resources/palette.h"
#include "resources/resource.h"
#include "ui/button_bitmap.h"
#include "ui/dialog_font.h"
#include "ui/dialogs.h"

namespace {

HBRUSH aboutBrush = nullptr;
HBITMAP cancelBitmap = nullptr;
HFONT letterFont = nullptr;

}  // namespace

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  switch (message) {
    case WM_INITDIALOG:
      cancelBitmap = setButtonBitmap(dialog, IDCANCEL, IDB_CANCEL_BUTTON);
      aboutBrush = CreateSolidBrush(palette::staticBackground);
      letterFont = useCentralEuropeanFont(dialog);
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;  // Enter (IDOK) and the rest do nothing
    case WM_CTLCOLORDLG:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(aboutBrush);
    case WM_CTLCOLORSTATIC:
      SetTextColor(reinterpret_cast<HDC>(wParam), palette::ink);
      SetBkColor(reinterpret_cast<HDC>(wParam), palette::staticBackground);
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
