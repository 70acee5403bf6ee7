// The birth-date dialog: the program's working screen. Reads the date and the system, reports
// what is wrong with them, opens the result; closing it ends the program.
#include "engine/request.h"
#include "engine/systems.h"
#include "resources/palette.h"
#include "resources/resource.h"
#include "ui/button_bitmap.h"
#include "ui/dialog_font.h"
#include "ui/dialogs.h"
#include "ui/layout_scale.h"
#include "ui/main_window.h"
#include "ui/wide_text.h"

HBRUSH birthDateDialogBrush = nullptr;

namespace {

HBRUSH entryBrush = nullptr;  // behind the edits and the list
HBITMAP buttonBitmaps[3] = {};
HFONT letterFont = nullptr;
HBITMAP grownTiles[6] = {};  // the field tiles, where the dialog is larger than at 96 DPI

BOOL CALLBACK growTile(HWND control, LPARAM scale) {
  if ((GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) return TRUE;
  for (HBITMAP& tile : grownTiles)
    if (tile == nullptr) {
      tile = loadScaledBitmap(instanceHandle, IDB_FIELD_TILE, *reinterpret_cast<const LayoutScale*>(scale));
      // The tile the static loaded from the template is no longer shown: it goes at once.
      DeleteObject(reinterpret_cast<HGDIOBJ>(
          SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(tile))));
      break;
    }
  return TRUE;
}

// The program's one request: filled here on every compute, read by the result dialog it opens.
kalmira::HoroscopeRequest request{};

void initBirthDateDialog(HWND dialog) {
  const HWND list = GetDlgItem(dialog, IDC_TYPE_LIST);
  for (const kalmira::HoroscopeSystem& system : kalmira::horoscopeSystems)
    kalmira::addListString(list, system.listText);
  birthDateDialogBrush = CreateSolidBrush(palette::background);
  entryBrush = CreateSolidBrush(palette::background);
  buttonBitmaps[0] = setButtonBitmap(dialog, IDC_COMPUTE, IDB_COMPUTE_BUTTON);
  buttonBitmaps[1] = setButtonBitmap(dialog, IDCANCEL, IDB_CANCEL_BUTTON);
  buttonBitmaps[2] = setButtonBitmap(dialog, IDC_ABOUT, IDB_ABOUT_BUTTON);
  letterFont = useCentralEuropeanFont(dialog);
  if (const LayoutScale scale = layoutScaleOf(dialog); !scale.unchanged())
    EnumChildWindows(dialog, growTile, reinterpret_cast<LPARAM>(&scale));
  SetFocus(GetDlgItem(dialog, IDC_DAY));
}

void compute(HWND dialog) {
  char day[kalmira::dayFieldChars + 1];
  char month[kalmira::monthFieldChars + 1];
  char year[kalmira::yearFieldChars + 1];
  // Only the fields' first characters count (the buffers' sizes).
  kalmira::itemText(dialog, IDC_DAY, day);
  kalmira::itemText(dialog, IDC_MONTH, month);
  kalmira::itemText(dialog, IDC_YEAR, year);

  const HWND list = GetDlgItem(dialog, IDC_TYPE_LIST);
  const int typeIndex = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  int selectionLength = -1;
  char typeName[kalmira::typeNameSize] = "";
  if (typeIndex >= 0) {
    selectionLength = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, typeIndex, 0));
    kalmira::listString(list, typeIndex, typeName);
  }

  if (const char* problem =
          kalmira::computeRequest({day, month, year, typeIndex, typeName, selectionLength}, request)) {
    kalmira::showMessage(dialog, problem, L"Pozor");
    return;
  }
  DialogBoxParamW(instanceHandle, MAKEINTRESOURCEW(IDD_RESULT), dialog, resultDialogProc,
                  reinterpret_cast<LPARAM>(&request));
}

void destroyBirthDateDialog() {
  DeleteObject(birthDateDialogBrush);
  DeleteObject(entryBrush);
  birthDateDialogBrush = entryBrush = nullptr;
  for (HBITMAP& bitmap : buttonBitmaps) {
    DeleteObject(bitmap);
    bitmap = nullptr;
  }
  for (HBITMAP& tile : grownTiles) {
    DeleteObject(tile);
    tile = nullptr;
  }
  DeleteObject(letterFont);
  letterFont = nullptr;
}

INT_PTR colour(HDC dc, COLORREF text, COLORREF back, HBRUSH brush) {
  SetTextColor(dc, text);
  SetBkColor(dc, back);
  return reinterpret_cast<INT_PTR>(brush);
}

}  // namespace

INT_PTR CALLBACK birthDateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: initBirthDateDialog(dialog); return FALSE;  // the focus is set: on the day field
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_COMPUTE: compute(dialog); return TRUE;
        case IDC_ABOUT:
          DialogBoxParamW(instanceHandle, MAKEINTRESOURCEW(IDD_ABOUT), dialog, aboutDialogProc, 0);
          return TRUE;
        case IDOK:  // Enter: no button is the default
        case IDCANCEL:
          EndDialog(dialog, LOWORD(wParam));
          PostQuitMessage(0);
          return TRUE;
      }
      return FALSE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return colour(reinterpret_cast<HDC>(wParam), palette::entryText, palette::background, entryBrush);
    case WM_CTLCOLORDLG:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(birthDateDialogBrush);
    case WM_CTLCOLORSTATIC:
      return colour(reinterpret_cast<HDC>(wParam), palette::ink, palette::staticBackground,
                    birthDateDialogBrush);
    case WM_DESTROY: destroyBirthDateDialog(); return FALSE;
  }
  (void)lParam;
  return FALSE;
}
