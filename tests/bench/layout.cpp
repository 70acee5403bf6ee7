// The bench's layout suite, run per locale and dots per inch: what a person sees of the dialogs —
// Windows' dialog metrics, the birth-date dialog inside the splash, every text drawn in one face
// that holds all its letters, labels that fit their boxes in that face, and result texts that stay
// inside their box and read as the console tool shows them.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/bench/bench.h"
#include "tests/bench/bench_support.h"
#include "tests/bench/driver.h"
#include "tests/bench/faces.h"

namespace bench {

namespace {

LRESULT ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

// A dialog font selected into a memory device context for measuring, released with it.
struct Measure {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font;
  HGDIOBJ previous;
  TEXTMETRICW metrics{};
  explicit Measure(HFONT dialogFont) : font(dialogFont), previous(SelectObject(dc, dialogFont)) {
    GetTextMetricsW(dc, &metrics);
  }
  explicit Measure(const LOGFONTW& face) : Measure(CreateFontIndirectW(&face)) {}
  ~Measure() {
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
  }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  bool outline() const { return (metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) != 0; }
  UINT codePage() const {
    CHARSETINFO info{};
    const auto charset = static_cast<UINT_PTR>(GetTextCharset(dc));
    return TranslateCharsetInfo(reinterpret_cast<DWORD*>(charset), &info, TCI_SRCCHARSET) ? info.ciACP : 0;
  }
  std::string describe() const {
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    char text[160];
    std::snprintf(text, sizeof text, "\"%s\", %s, charset %d (code page %u), %ld px high, %ld px average",
                  toUtf8(face).c_str(), outline() ? "outline" : "bitmap", GetTextCharset(dc), codePage(),
                  metrics.tmHeight, metrics.tmAveCharWidth);
    return text;
  }

  // The characters of `text` this font cannot draw. An outline face says so glyph by glyph; a bitmap
  // face holds the characters of one code page.
  std::wstring undrawable(const std::wstring& text) const {
    std::wstring missing;
    auto note = [&](wchar_t c) {
      if (missing.find(c) == std::wstring::npos) missing += c;
    };
    if (outline()) {
      std::vector<WORD> glyphs(text.size());
      GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS);
      for (size_t i = 0; i < text.size(); ++i)
        if (text[i] >= L' ' && glyphs[i] == 0xFFFF) note(text[i]);
      return missing;
    }
    const UINT page = codePage();
    for (wchar_t c : text) {
      if (c < L' ') continue;
      char byte[4];
      BOOL usedDefault = FALSE;
      const int n =
          WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, &c, 1, byte, sizeof byte, nullptr, &usedDefault);
      const auto code = static_cast<BYTE>(byte[0]);
      if (page == 0 || n != 1 || usedDefault || code < metrics.tmFirstChar || code > metrics.tmLastChar)
        note(c);
    }
    return missing;
  }

  // Empty when the static's text fits its box as the static draws it (word-wrapped unless it is a
  // one-line static); otherwise the size it needs.
  std::string overflow(HWND control) const {
    RECT box;
    GetClientRect(control, &box);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    UINT format = DT_CALCRECT | DT_EXPANDTABS;
    format |= (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    const std::wstring text = windowText(control);
    RECT needed{0, 0, box.right, 0};
    DrawTextW(dc, text.c_str(), -1, &needed, format);
    if (needed.right <= box.right && needed.bottom <= box.bottom) return {};
    return "\"" + toUtf8(text) + "\" needs " + std::to_string(needed.right) + " x " +
           std::to_string(needed.bottom) + " px in " + std::to_string(box.right) + " x " +
           std::to_string(box.bottom);
  }

  // How many lines of a multi-line edit end with a visible character past the right edge of its
  // formatting rectangle; the first such line in `first`.
  int linesPastEdge(HWND edit, const std::wstring& text, std::string& first) const {
    RECT format{};
    ask(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int lines = static_cast<int>(ask(edit, EM_GETLINECOUNT));
    int past = 0;
    for (int line = 0; line < lines; ++line) {
      const int start = static_cast<int>(ask(edit, EM_LINEINDEX, line));
      const int length = static_cast<int>(ask(edit, EM_LINELENGTH, start));
      int last = start + length - 1;
      while (last >= start && last < static_cast<int>(text.size()) && iswspace(text[last])) --last;
      if (last < start || last >= static_cast<int>(text.size())) continue;
      const LRESULT position = ask(edit, EM_POSFROMCHAR, last);
      SIZE size{};
      GetTextExtentPoint32W(dc, &text[last], 1, &size);
      const int right = static_cast<short>(LOWORD(position)) + size.cx;
      if (position != -1 && right <= format.right) continue;
      if (past++ == 0)
        first = "line " + std::to_string(line + 1) + " \"" + toUtf8(text.substr(start, 40)) +
                "...\" ends at x " + std::to_string(right) + ", the box at " + std::to_string(format.right);
    }
    return past;
  }
};

std::string shortText(const std::wstring& text) {
  return "\"" + toUtf8(text.size() > 40 ? text.substr(0, 40) + L"..." : text) + "\"";
}

// The dots per inch of this session: the prefix's, which the program reads too.
int sessionDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The base units a shown dialog has, from its client size and its template size in dialog units; at
// 96 DPI those of Windows.
void checkBaseUnits(Checks& checks, HWND dialog, double unitsWide, double unitsHigh, const char* which) {
  RECT client;
  GetClientRect(dialog, &client);
  const double x = client.right * 4 / unitsWide, y = client.bottom * 8 / unitsHigh;
  char detail[64];
  std::snprintf(detail, sizeof detail, "%.2f x %.2f", x, y);
  std::printf("  %s: base units %s\n", which, detail);
  if (sessionDpi() == 96)
    checks.check(std::fabs(x - 6) <= 0.3 && std::fabs(y - 13) <= 0.3,
                 (std::string(which) + ": dialog base units 6 x 13, as on Windows").c_str(), detail);
}

// Each text a dialog shows is drawn in one face, found from the screen, that holds every letter of
// it: none is taken from a fallback face, none is missing.
struct OwnFaces {
  const std::vector<LOGFONTW>* faces = nullptr;
  int texts = 0;
  const LOGFONTW* last = nullptr;  // tried first: the controls of a dialog share their font
  std::string problems;

  const LOGFONTW* look(const ShownText& shown, const Capture& shot) {
    ++texts;
    const LOGFONTW* face = faceShown(shown, shot, *faces, last);
    std::string problem;
    if (face == nullptr) {
      problem = shortText(shown.text) + " is drawn in no one face";
    } else {
      last = face;
      const Measure measure(*face);
      const std::wstring missing = measure.undrawable(shown.text);
      if (!missing.empty())
        problem = shortText(shown.text) + " in " + measure.describe() + ", which lacks " + toUtf8(missing);
    }
    if (!problem.empty() && problems.size() < 600) problems += (problems.empty() ? "" : "; ") + problem;
    return face;
  }
  void report(Checks& checks, const std::string& which) const {
    if (last != nullptr) std::printf("  %s: drawn in %s\n", which.c_str(), Measure(*last).describe().c_str());
    checks.check(texts > 0 && problems.empty(),
                 (which + ": every text (" + std::to_string(texts) +
                  ") is drawn in its own face, which holds every letter of it")
                     .c_str(),
                 problems);
  }
};

RECT onScreen(HWND control, RECT area) {
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

bool isTextStatic(HWND child) {
  const DWORD type = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE)) & SS_TYPEMASK;
  const bool text = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
                    type == SS_LEFTNOWORDWRAP;
  return text && _wcsicmp(className(child).c_str(), L"Static") == 0 && !windowText(child).empty();
}

// Every text static of a shown dialog is drawn in its own face and fits its box in that face.
void checkLabels(Checks& checks, const std::vector<LOGFONTW>& faces, HWND dialog, const char* which) {
  const Capture shot = settledCapture(dialog);
  OwnFaces own;
  own.faces = &faces;
  std::string clipped;
  int labels = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!isTextStatic(child)) continue;
    ++labels;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    RECT box;
    GetClientRect(child, &box);
    UINT format = DT_LEFT | DT_EXPANDTABS;
    if ((style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    const LOGFONTW* face = own.look({windowText(child), onScreen(child, box), format, false, {}}, shot);
    if (face == nullptr) continue;
    const std::string problem = Measure(*face).overflow(child);
    if (!problem.empty()) clipped += (clipped.empty() ? "" : "; ") + problem;
  }
  own.report(checks, std::string(which) + "'s labels");
  checks.check(
      labels > 0 && clipped.empty(),
      (std::string(which) + ": every label (" + std::to_string(labels) + ") fits its box whole").c_str(),
      clipped);
}

// Each entry of the list, scrolled to the top in turn, drawn in its own face.
void checkListFaces(Checks& checks, const std::vector<LOGFONTW>& faces, HWND list) {
  OwnFaces own;
  own.faces = &faces;
  RECT client;
  GetClientRect(list, &client);
  const int count = static_cast<int>(ask(list, LB_GETCOUNT));
  const int itemHeight = static_cast<int>(ask(list, LB_GETITEMHEIGHT));
  for (int i = 0; i < count && itemHeight > 0; ++i) {
    ask(list, LB_SETTOPINDEX, i);
    waitHandled(list);
    const int top = (i - static_cast<int>(ask(list, LB_GETTOPINDEX))) * itemHeight;
    if (top < 0 || top + itemHeight > client.bottom) continue;
    wchar_t item[64] = {};
    if (ask(list, LB_GETTEXTLEN, i) < 64) ask(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
    own.look({item, onScreen(list, {0, top, client.right, top + itemHeight}), 0, true, {}},
             settledCapture(list));
  }
  ask(list, LB_SETTOPINDEX, 0);
  own.report(checks, "the list");
}

// The result box's lines that it shows whole, but the first, where the caret blinks.
void lookAtResultLines(OwnFaces& own, HWND edit, const std::wstring& text) {
  RECT format{};
  ask(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const Capture shot = settledCapture(edit);
  const int lines = static_cast<int>(ask(edit, EM_GETLINECOUNT));
  const int firstY = HIWORD(ask(edit, EM_POSFROMCHAR, ask(edit, EM_LINEINDEX, 0)));
  const int lineHeight =
      lines > 1 ? HIWORD(ask(edit, EM_POSFROMCHAR, ask(edit, EM_LINEINDEX, 1))) - firstY : 0;
  for (int line = 1; line < lines && lineHeight > 0; ++line) {
    const int start = static_cast<int>(ask(edit, EM_LINEINDEX, line));
    const int top = firstY + line * lineHeight;
    if (top + lineHeight > format.bottom) break;
    std::wstring shown = text.substr(start, static_cast<size_t>(ask(edit, EM_LINELENGTH, start)));
    while (!shown.empty() && iswspace(shown.back())) shown.pop_back();
    if (shown.empty()) continue;
    std::vector<int> at;
    for (size_t i = 0; i < shown.size(); ++i)
      at.push_back(static_cast<short>(LOWORD(ask(edit, EM_POSFROMCHAR, start + i))) - format.left);
    own.look({shown, onScreen(edit, {format.left, top, format.right, top + lineHeight}), 0, true, at}, shot);
  }
}

// The face this prefix gives to a font asked for as Marlett, the symbol face with which Wine draws a
// caption's buttons.
std::string marlettFace() {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Marlett");
  HGDIOBJ previous = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, previous);
  DeleteObject(font);
  DeleteDC(dc);
  return toUtf8(face);
}

// Makes `area` take in the pixel at (x, y).
void widen(RECT& area, LONG x, LONG y) {
  area.left = std::min(area.left, x);
  area.top = std::min(area.top, y);
  area.right = std::max(area.right, x + 1);
  area.bottom = std::max(area.bottom, y + 1);
}

// Empty when the close button in a message box's caption shows a cross, otherwise what it shows.
// The glyph is what is darker than the button's face. Marlett's cross reads the same mirrored left
// to right and top to bottom; a letter drawn in its place (the "r" of a prefix without Marlett) does
// not.
std::string closeButtonProblem(HWND box) {
  RECT outer;
  GetWindowRect(box, &outer);
  RECT client;
  GetClientRect(box, &client);
  POINT origin{};
  ClientToScreen(box, &origin);
  const Capture shot = settledCapture(box);
  // The caption bar: between the frame (as wide as the left one) and the client area.
  const RECT caption{origin.x, outer.top + (origin.x - outer.left), origin.x + client.right, origin.y};
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // The button's face: the face-coloured area around the glyph, reached from its right end.
  const int middle = (caption.top + caption.bottom) / 2;
  int startX = caption.right - 1;
  while (startX >= caption.left && shot.at(startX, middle) != face) --startX;
  if (startX < caption.left) return "no button face in the caption";
  RECT button{startX, middle, startX + 1, middle + 1};
  std::vector<bool> seen(static_cast<size_t>(shot.width) * shot.height);
  std::vector<POINT> todo{{startX, middle}};
  while (!todo.empty()) {
    const POINT p = todo.back();
    todo.pop_back();
    const size_t at = static_cast<size_t>(p.y - shot.top) * shot.width + (p.x - shot.left);
    if (p.x < caption.left || p.x >= caption.right || p.y < caption.top || p.y >= caption.bottom ||
        seen[at] || shot.at(p.x, p.y) != face)
      continue;
    seen[at] = true;
    widen(button, p.x, p.y);
    for (POINT next : {POINT{p.x + 1, p.y}, POINT{p.x - 1, p.y}, POINT{p.x, p.y + 1}, POINT{p.x, p.y - 1}})
      todo.push_back(next);
  }
  auto brightness = [](COLORREF c) {
    return (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
  };
  auto dark = [&](int x, int y) { return brightness(shot.at(x, y)) < brightness(face) - 48; };
  RECT glyph{button.right, button.bottom, button.left, button.top};
  int pixels = 0;
  for (int y = button.top; y < button.bottom; ++y)
    for (int x = button.left; x < button.right; ++x)
      if (dark(x, y)) {
        ++pixels;
        widen(glyph, x, y);
      }
  int acrossMismatch = 0, downMismatch = 0;
  std::string drawn;
  for (int y = glyph.top; y < glyph.bottom; ++y) {
    drawn += drawn.empty() ? "" : "/";
    for (int x = glyph.left; x < glyph.right; ++x) {
      drawn += dark(x, y) ? '#' : '.';
      acrossMismatch += dark(x, y) != dark(glyph.left + glyph.right - 1 - x, y);
      downMismatch += dark(x, y) != dark(x, glyph.top + glyph.bottom - 1 - y);
    }
  }
  if (pixels >= 6 && acrossMismatch * 5 <= pixels && downMismatch * 5 <= pixels) return {};
  return "the glyph " + drawn + ": " + std::to_string(pixels) + " pixels, " + std::to_string(acrossMismatch) +
         " and " + std::to_string(downMismatch) + " unlike their mirror images";
}

}  // namespace

int layout(const wchar_t* exe, const std::wstring& requestList, const std::wstring& expectedDir) {
  Checks checks;
  std::printf("ANSI code page of this run: %u\n", GetACP());
  std::printf("dots per inch of this run: %d\n", sessionDpi());
  // Asked for another DPI than 96, a Wine that tells a program declaring no DPI awareness 96 and
  // stretches its windows as one picture (Wine 10, as Windows 8.1 and later do) has no XP-style
  // scaling to check, and a driver's screen coordinates are not its pixels there.
  wchar_t asked[8] = L"";
  if (GetEnvironmentVariableW(L"KALMIRA_BENCH_DPI", asked, 8) > 0 && _wtoi(asked) != sessionDpi()) {
    std::printf("  %ls DPI asked, %d told: this Wine stretches the program, as Windows 8.1 and later do\n",
                asked, sessionDpi());
    return checks.finish("layout");
  }
  const Measure entryFont(templateFont(exe, IDD_BIRTH_DATE).font);
  std::printf("  the templates' font, as this process gets it: %s\n", entryFont.describe().c_str());
  LOGFONTW templateFace{};
  GetObjectW(entryFont.font, sizeof templateFace, &templateFace);
  const std::vector<LOGFONTW> faces = listedFaces(templateFace);

  Session session;
  if (!checks.check(openEntry(exe, session), "a click on the splash opens the birth-date dialog"))
    return checks.finish("layout");
  const HWND entry = session.entry;
  checkBaseUnits(checks, entry, 360, 162, "birth-date dialog");
  RECT splash, inside;
  GetWindowRect(session.splash, &splash);
  GetWindowRect(entry, &inside);
  RECT both;
  IntersectRect(&both, &splash, &inside);
  // The splash grows as the dialog does: as much wider than 550 pixels as the dialog is wider than its
  // 540 at 96 DPI, and so in height (350 and 263).
  const double wider = (splash.right - splash.left) / 550.0 - (inside.right - inside.left) / 540.0;
  const double higher = (splash.bottom - splash.top) / 350.0 - (inside.bottom - inside.top) / 263.0;
  char grown[96];
  std::snprintf(grown, sizeof grown, "the splash %ld x %ld, the dialog %ld x %ld", splash.right - splash.left,
                splash.bottom - splash.top, inside.right - inside.left, inside.bottom - inside.top);
  checks.check(std::fabs(wider) < 0.01 && std::fabs(higher) < 0.01,
               "the splash grows with the birth-date dialog", grown);
  checks.check(EqualRect(&both, &inside) != 0, "the birth-date dialog lies inside the splash window",
               "x " + std::to_string(inside.left) + ".." + std::to_string(inside.right) + ", y " +
                   std::to_string(inside.top) + ".." + std::to_string(inside.bottom) + "; the splash x " +
                   std::to_string(splash.left) + ".." + std::to_string(splash.right) + ", y " +
                   std::to_string(splash.top) + ".." + std::to_string(splash.bottom));
  checkLabels(checks, faces, entry, "birth-date dialog");
  checkListFaces(checks, faces, GetDlgItem(entry, IDC_TYPE_LIST));

  if (HWND about = openOwned(session, IDC_ABOUT, Shows::about);
      checks.check(about != nullptr, "the About box opens")) {
    checkBaseUnits(checks, about, 190, 94, "About box");
    checkLabels(checks, faces, about, "About box");
    closeWith(session, about, IDCANCEL);
  }

  // A message box's caption: its close button shows the cross, so the face Wine draws it with is here.
  const std::string marlett = marlettFace();
  checks.check(marlett == "Marlett", "Marlett, the face of the caption buttons, is installed",
               "got " + marlett);
  enter(entry, L"", L"", L"", -1);
  if (HWND box = computeAndWait(session, Shows::messageBox);
      checks.check(box != nullptr && isMessageBox(box), "a message box opens")) {
    const std::string problem = closeButtonProblem(box);
    checks.check(problem.empty(), "the message box's close button shows a cross, not a letter", problem);
    closeWith(session, box, IDOK);
  }

  // One result for every sign of every system.
  struct Tally {
    int results = 0, pastEdge = 0, differ = 0;
    std::string firstPast, firstDiffer;
    std::wstring undrawn;
    OwnFaces own;  // the lines of the system's first result, as drawn
  } tally[6];
  for (Tally& of : tally) of.own.faces = &faces;
  bool resultMeasured = false;
  for (const Request& request : loadRequests(requestList, expectedDir)) {
    if (request.type < 0 || request.type > 5) continue;
    Tally& of = tally[request.type];
    enter(entry, request.day, request.month, request.year, request.type);
    // Anything but the result (a message box, say) fails the wait itself, naming what it found.
    HWND result = computeAndWait(session, Shows::result);
    const std::string label = toUtf8(request.title);
    if (!resultMeasured) {
      resultMeasured = true;
      checkBaseUnits(checks, result, 361, 161, "result dialog");
      checkLabels(checks, faces, result, "result dialog's title");
    }
    ++of.results;
    const HWND edit = GetDlgItem(result, IDC_RESULT_TEXT);
    const std::wstring shown = longText(edit);
    if (of.results == 1) lookAtResultLines(of.own, edit, shown);
    // Every result of the system is measured in the face its first one was seen in.
    const Measure resultFont(of.own.last != nullptr ? *of.own.last : templateFace);
    std::string past;
    if (resultFont.linesPastEdge(edit, shown, past) > 0 && of.pastEdge++ == 0)
      of.firstPast = label + ": " + past;
    const std::string difference = differenceFromTool(shown, request);
    if (!difference.empty() && of.differ++ == 0) of.firstDiffer = label + ": " + difference;
    for (wchar_t c : resultFont.undrawable(shown))
      if (of.undrawn.find(c) == std::wstring::npos) of.undrawn += c;
    closeWith(session, result, IDCANCEL);
  }
  int pastEdge = 0, results = 0;
  for (int type = 0; type < 6; ++type) {
    const Tally& of = tally[type];
    const std::string system = toUtf8(listTexts[type]) + " (" + std::to_string(of.results) + " results)";
    results += of.results;
    pastEdge += of.pastEdge;
    checks.check(of.results > 0 && of.pastEdge == 0, (system + ": every line ends inside the box").c_str(),
                 std::to_string(of.pastEdge) + " results with a line past the edge; first " + of.firstPast);
    checks.check(of.results > 0 && of.differ == 0,
                 (system + ": the paragraphs and words of kalmira-text").c_str(), of.firstDiffer);
    of.own.report(checks, system + ", the first result's lines");
    checks.check(of.undrawn.empty(), (system + ": that face holds every letter of every result").c_str(),
                 "lacks " + toUtf8(of.undrawn));
  }
  std::printf("  %d results, %d with a line past the right edge of the box\n", results, pastEdge);

  clickButton(entry, IDCANCEL);
  expect(session.program, {Shows::ended}, {entry, session.splash});
  checks.check(exitCodeOf(session.program) == 0, "Cancel ends the program with exit code 0");
  return checks.finish("layout");
}

}  // namespace bench
