// The face the dialogs' controls draw in, chosen so that it holds every Czech and Slovak letter.
//
// The templates ask for "MS Sans Serif", a bitmap face that Windows installs in the code page of the
// system's locale only: on a Western Windows it lacks ň, č, ě, ř, š, ž and ů. The Central
// European face is asked for by its character set; where the system has none under that name, the
// TrueType "Microsoft Sans Serif" stands in, which every Windows from 2000 to 11 has, which holds the
// Central European letters, and which was made with the bitmap face's metrics (it is what the
// logical face "MS Shell Dlg" maps to there).
#include "ui/dialog_font.h"

#include <cstdlib>

namespace {

const wchar_t standInFace[] = L"Microsoft Sans Serif";

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool hasCentralEuropean(HDC dc, const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = EASTEUROPE_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, noteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

LONG textWidth(HDC dc, HFONT font, const wchar_t* text) {
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  SelectObject(dc, previous);
  return size.cx;
}

struct WidthTest {
  HDC dc;
  HFONT own, font;
  bool wider;
};

BOOL CALLBACK noteWider(HWND control, LPARAM data) {
  auto& test = *reinterpret_cast<WidthTest*>(data);
  wchar_t text[256];
  // The labels; the buttons show bitmaps, not their texts.
  if (GetClassNameW(control, text, 256) > 0 && lstrcmpiW(text, L"Static") == 0 &&
      GetWindowTextW(control, text, 256) > 0 &&
      textWidth(test.dc, test.font, text) > textWidth(test.dc, test.own, text))
    test.wider = true;
  return !test.wider;
}

BOOL CALLBACK setFont(HWND control, LPARAM font) {
  SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
  return TRUE;
}

// The dialog's font with the Central European character set, in its own face when the system has
// that face in that set. A stand-in face of other metrics is made smaller, down to three quarters,
// until none of the dialog's labels runs wider in it than in the dialog's font: their boxes were
// measured for that font.
HFONT makeFont(HWND dialog, HDC dc, HFONT own) {
  LOGFONTW description{};
  if (GetObjectW(own, sizeof description, &description) != sizeof description) return nullptr;
  description.lfCharSet = EASTEUROPE_CHARSET;
  if (!hasCentralEuropean(dc, description.lfFaceName)) lstrcpyW(description.lfFaceName, standInFace);
  const LONG height = description.lfHeight;
  for (;;) {
    HFONT font = CreateFontIndirectW(&description);
    const LONG smaller = description.lfHeight + (height < 0 ? 1 : -1);
    WidthTest test{dc, own, font, false};
    if (font != nullptr) EnumChildWindows(dialog, noteWider, reinterpret_cast<LPARAM>(&test));
    if (!test.wider || std::abs(smaller) * 4 < std::abs(height) * 3) return font;
    DeleteObject(font);
    description.lfHeight = smaller;
  }
}

}  // namespace

HFONT useCentralEuropeanFont(HWND dialog) {
  const auto own = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  if (own == nullptr) return nullptr;
  HDC dc = GetDC(dialog);
  HGDIOBJ previous = SelectObject(dc, own);
  const bool holdsLetters = GetTextCharset(dc) == EASTEUROPE_CHARSET;
  SelectObject(dc, previous);
  HFONT font = holdsLetters ? nullptr : makeFont(dialog, dc, own);
  ReleaseDC(dialog, dc);
  if (font != nullptr) EnumChildWindows(dialog, setFont, reinterpret_cast<LPARAM>(font));
  return font;
}
