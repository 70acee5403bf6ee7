// The program's entry point, the splash window and its painting.
#include "ui/main_window.h"

#include "kalmira_version.h"
#include "resources/palette.h"
#include "resources/resource.h"
#include "ui/dialogs.h"
#include "ui/layout_scale.h"

HINSTANCE instanceHandle = nullptr;

namespace {

// The borderless splash window; the birth-date dialog is its owned dialog.
HWND mainWindow = nullptr;

const wchar_t mainClassName[] = L"WinAPIMainClass";
const wchar_t mainWindowTitle[] = L"" KALMIRA_TITLE;

struct Caption {
  LONG height;  // negative: character height
  int x, y;
  COLORREF colour;
  const wchar_t* text;
};

// Every pixel constant here is for 96 DPI; the splash grows with the birth-date dialog that opens over
// it, so that the dialog lies inside it at any DPI as it does at 96.
LayoutScale splashScale;

const Caption captions[] = {
    {-18, 195, 150, palette::ink, mainWindowTitle},
    {-11, 172, 280, palette::ink, L"Výrobu tohoto programu zabezpečil server"},
    {-12, 227, 300, palette::publisherCaption, L"www.kalmira.example"},
};

// Draws `bitmap` with its top-left corner at (x, y), both for 96 DPI, grown as the splash is (at
// 96 DPI copied pixel for pixel).
void drawArtwork(HDC dc, int x, int y, HBITMAP bitmap) {
  if (bitmap == nullptr) return;
  HDC memory = CreateCompatibleDC(dc);
  BITMAP size{};
  GetObjectW(bitmap, sizeof size, &size);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  if (splashScale.unchanged()) {
    BitBlt(dc, x, y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const int left = splashScale.x(x), top = splashScale.y(y);
    StretchBlt(dc, left, top, splashScale.x(x + size.bmWidth) - left, splashScale.y(y + size.bmHeight) - top,
               memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
}

// Draws `bitmap` five times along a row, 127 pixels apart; the last runs past the right edge.
void drawRow(HDC dc, int y, HBITMAP bitmap) {
  for (int x = 0; x <= 4 * 127; x += 127) drawArtwork(dc, x, y, bitmap);
}

void drawCaption(HDC dc, const LOGFONTW& base, const Caption& caption) {
  LOGFONTW description = base;
  description.lfHeight = splashScale.y(caption.height);
  HFONT font = CreateFontIndirectW(&description);
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, caption.colour);
  TextOutW(dc, splashScale.x(caption.x), splashScale.y(caption.y), caption.text, lstrlenW(caption.text));
  SelectObject(dc, previous);
  DeleteObject(font);
}

// Paints the whole splash through the window's own device context; everything taken here is
// given back before returning.
void paintSplash(HWND window) {
  HDC dc = GetDC(window);
  // Text is drawn transparently, so a caption painted again over itself would thicken its soft
  // edges: every paint starts from the background, whatever the system erased or not.
  RECT area;
  GetClientRect(window, &area);
  area.top = splashScale.y(78);  // below the band, which the bitmaps cover whole
  FillRect(dc, &area, reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)));
  HBITMAP tile = LoadBitmapW(instanceHandle, MAKEINTRESOURCEW(IDB_SPLASH_TILE));
  HBITMAP emblem = LoadBitmapW(instanceHandle, MAKEINTRESOURCEW(IDB_SPLASH_EMBLEM));
  HBITMAP strip = LoadBitmapW(instanceHandle, MAKEINTRESOURCEW(IDB_SPLASH_STRIP));

  drawRow(dc, 0, tile);
  DeleteObject(tile);
  drawArtwork(dc, 2, 13, emblem);
  DeleteObject(emblem);
  drawRow(dc, 63, strip);
  DeleteObject(strip);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, palette::ink);
  LOGFONTW base{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof base, &base);
  lstrcpyW(base.lfFaceName, L"Verdena, Comic Sans MS");
  // No face has that name, so the font mapper chooses by the rest of the description, and on a
  // Western Windows the stock font's character set would let it take the Western bitmap "MS Sans
  // Serif" for the 11-pixel caption, which has no "č". Asking for the Central European set makes
  // every face it can choose hold the captions' letters; on a Central European Windows it is the
  // stock font's own set.
  base.lfCharSet = EASTEUROPE_CHARSET;
  for (const Caption& caption : captions) drawCaption(dc, base, caption);

  ReleaseDC(window, dc);
}

// The key of the splash's keyboard opening while it is held down, 0 otherwise.
WPARAM keyPressedOnSplash = 0;
const LPARAM keyWasDown = 1 << 30;  // a key message's previous-state bit: set on auto-repeat

void openBirthDateDialog(HWND window) {
  DialogBoxParamW(instanceHandle, MAKEINTRESOURCEW(IDD_BIRTH_DATE), window, birthDateDialogProc, 0);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY: PostQuitMessage(0); break;
    case WM_LBUTTONDOWN: openBirthDateDialog(window); break;
    // Enter and Space do what the click does, so that the program can be used without a mouse. The
    // dialog opens when the key comes up, as a button takes Space: a key held down would otherwise
    // repeat into the dialog, where Enter ends the program. Only a key pressed on the splash counts,
    // not the release of the Enter that started the program from a file manager.
    case WM_KEYDOWN:
      if ((wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & keyWasDown)) keyPressedOnSplash = wParam;
      break;
    case WM_KEYUP:
      if (keyPressedOnSplash != 0 && wParam == keyPressedOnSplash) {
        keyPressedOnSplash = 0;
        openBirthDateDialog(window);
      }
      break;
    case WM_PAINT: {
      // The default handling begins the paint cycle, which erases the background with the class
      // brush and validates the window; the splash is painted after it, so that the erase cannot
      // wipe it out again.
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      paintSplash(window);
      return result;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Registers the window class and creates the splash window; false when either cannot be made.
bool registerAndCreateMainWindow() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = mainWindowProc;
  windowClass.hInstance = instanceHandle;
  windowClass.hIcon = LoadIconW(instanceHandle, MAKEINTRESOURCEW(IDI_KALMIRA));
  windowClass.hIconSm = LoadIconW(instanceHandle, MAKEINTRESOURCEW(IDI_KALMIRA));
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = CreateSolidBrush(palette::background);
  windowClass.lpszClassName = mainClassName;
  if (RegisterClassExW(&windowClass) == 0) return false;

  splashScale = layoutScaleOfTemplate(instanceHandle, IDD_BIRTH_DATE);
  mainWindow = CreateWindowExW(0, mainClassName, mainWindowTitle, WS_POPUPWINDOW | WS_VISIBLE,
                               splashScale.x(100), splashScale.y(150), splashScale.x(550), splashScale.y(350),
                               nullptr, nullptr, instanceHandle, nullptr);
  return mainWindow != nullptr;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  instanceHandle = instance;
  // Without its window the program cannot run: that is a failure, not the quit message's 0.
  if (!registerAndCreateMainWindow()) return 1;
  MSG message{};  // a retrieval that fails at once leaves it as it is
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
