// The bench's dialog suite: the birth-date dialog, its messages, the results of every system and
// the About box, worked through window messages as a person would work them.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "resources/palette.h"
#include "resources/resource.h"
#include "tests/bench/bench.h"
#include "tests/bench/bench_support.h"
#include "tests/bench/driver.h"

namespace bench {

namespace {

const COLORREF dialogBackground = palette::background;
const COLORREF staticTextBackground = palette::staticBackground;
const COLORREF aboutBackground = palette::staticBackground;

// A control as its template lays it out, in dialog units.
struct TemplateControl {
  int id;
  const wchar_t* className;
  RECT units;           // left, top, width, height
  DWORD styleBits;      // must all be set
  DWORD absentBits;     // must all be clear
  DWORD exStyleBits;    // extended style bits that must be set
  const wchar_t* text;  // nullptr: not checked
};

const DWORD frame = SS_GRAYFRAME;
const DWORD bitmapButton = BS_BITMAP | BS_FLAT | WS_TABSTOP;
const DWORD notDefault = BS_DEFPUSHBUTTON;
const DWORD edit = ES_AUTOHSCROLL;
const DWORD notNumber = ES_NUMBER | ES_MULTILINE;

const TemplateControl birthDateControls[] = {
    {IDCANCEL, L"Button", {278, 142, 50, 12}, bitmapButton, notDefault, 0, L"Cancel"},
    {IDC_DAY, L"Edit", {126, 38, 29, 12}, edit, notNumber, WS_EX_TRANSPARENT, L""},
    {-1, L"Static", {95, 24, 55, 8}, SS_LEFT, 0, 0, L"Dátum narodenia"},
    {-1, L"Static", {95, 39, 16, 8}, SS_LEFT, 0, 0, L"Deň:"},
    {-1, L"Static", {96, 75, 16, 8}, SS_LEFT, 0, 0, L"Rok:"},
    {-1, L"Static", {95, 57, 26, 8}, SS_LEFT, 0, 0, L"Mesiac:"},
    {IDC_MONTH, L"Edit", {126, 56, 29, 12}, edit, notNumber, WS_EX_TRANSPARENT, L""},
    {IDC_YEAR, L"Edit", {126, 73, 33, 12}, edit, notNumber, WS_EX_TRANSPARENT, L""},
    {IDC_COMPUTE, L"Button", {201, 70, 35, 14}, bitmapButton, notDefault, 0, L"Vyvešti"},
    {-1, L"Static", {185, 23, 68, 8}, SS_LEFT, 0, 0, L"Vyber typ horoskopu:"},
    {-1, L"Static", {90, 17, 191, 82}, frame, 0, 0, nullptr},
    {-1, L"Static", {91, 18, -113, -85}, SS_BITMAP, 0, 0, nullptr},  // negative: a size in pixels
    {-1, L"Static", {91, 46, -113, -85}, SS_BITMAP, 0, 0, nullptr},
    {-1, L"Static", {163, 18, -113, -85}, SS_BITMAP, 0, 0, nullptr},
    {-1, L"Static", {164, 46, -113, -85}, SS_BITMAP, 0, 0, nullptr},
    {-1, L"Static", {205, 18, -113, -85}, SS_BITMAP, 0, 0, nullptr},
    {-1, L"Static", {205, 46, -113, -85}, SS_BITMAP, 0, 0, nullptr},
    {-1, L"Static", {125, 72, 35, 14}, frame, 0, 0, nullptr},
    {-1, L"Static", {125, 55, 31, 14}, frame, 0, 0, nullptr},
    {-1, L"Static", {125, 37, 31, 14}, frame, 0, 0, nullptr},
    {IDC_ABOUT, L"Button", {19, 143, 46, 11}, bitmapButton, notDefault, 0, L"Button2"},
    {IDC_TYPE_LIST,
     L"ListBox",
     {186, 36, 76, 21},
     LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
     LBS_SORT,
     0,
     nullptr},
    {-1, L"Static", {185, 35, 77, 23}, frame, 0, 0, nullptr},
};

const TemplateControl aboutControls[] = {
    {IDCANCEL, L"Button", {72, 72, 50, 14}, 0x50018080, 0, 0, L"Cancel"},
    {-1, L"Static", {60, 5, 73, 8}, 0x50020000, 0, 0, L"Kalmira Horoskop " KALMIRA_VERSION},
    {-1, L"Static", {13, 20, 48, 8}, 0x50020000, 0, WS_EX_TRANSPARENT, L"Autor: Kalmira"},
    {-1, L"Static", {13, 32, 84, 8}, 0x50020000, 0, WS_EX_TRANSPARENT, L"Email: ja@kalmira.example"},
    {-1,
     L"Static",
     {13, 44, 165, 8},
     0x50020000,
     0,
     WS_EX_TRANSPARENT,
     L"Oficiálna stránka: www.kalmira.example"},
    {-1, L"Static", {14, 57, 44, 8}, 0x50020000, 0, WS_EX_TRANSPARENT, L"Free software"},
};

DialogUnits unitsOf(const wchar_t* exe, int templateId) {
  const TemplateFont measured = templateFont(exe, templateId);
  DeleteObject(measured.font);
  return measured.units;
}

// The children of a dialog in template order, checked against the template table.
void checkControls(Checks& checks, HWND dialog, const DialogUnits& units, const TemplateControl* controls,
                   size_t count, const char* which) {
  POINT origin{};
  ClientToScreen(dialog, &origin);
  std::vector<HWND> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  checks.check(children.size() == count,
               (std::string(which) + ": every control of the template, no other").c_str(),
               std::to_string(children.size()));
  int wrong = 0;
  std::string first;
  for (size_t i = 0; i < count && i < children.size(); ++i) {
    const TemplateControl& want = controls[i];
    HWND child = children[i];
    RECT rect;
    GetWindowRect(child, &rect);
    OffsetRect(&rect, -origin.x, -origin.y);
    RECT expected;
    if (want.units.right < 0) {
      const RECT corner = units.pixels({want.units.left, want.units.top, 0, 0});
      expected = {corner.left, corner.top, corner.left - want.units.right, corner.top - want.units.bottom};
    } else {
      expected = units.pixels(want.units);
    }
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_EXSTYLE));
    const int id = GetDlgCtrlID(child);
    std::string problem;
    if (_wcsicmp(className(child).c_str(), want.className) != 0)
      problem = "class " + toUtf8(className(child));
    else if (static_cast<short>(id) != want.id)
      problem = "id " + std::to_string(id);
    else if (!EqualRect(&rect, &expected))
      problem = "at " + std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
                std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) +
                ", not " + std::to_string(expected.left) + "," + std::to_string(expected.top) + " " +
                std::to_string(expected.right - expected.left) + "x" +
                std::to_string(expected.bottom - expected.top);
    else if ((style & want.styleBits) != want.styleBits || (style & want.absentBits) != 0 ||
             (want.className == std::wstring(L"Static") &&
              (style & SS_TYPEMASK) != (want.styleBits & SS_TYPEMASK)))
      problem = "style " + std::to_string(style);
    else if ((exStyle & want.exStyleBits) != want.exStyleBits)
      problem = "extended style " + std::to_string(exStyle);
    else if (want.text != nullptr && windowText(child) != want.text)
      problem = "text " + toUtf8(windowText(child));
    if (!problem.empty()) {
      ++wrong;
      if (first.empty()) first = "control " + std::to_string(i + 1) + ": " + problem;
    }
  }
  checks.check(wrong == 0,
               (std::string(which) + ": ids, classes, styles, texts and places as the template says").c_str(),
               first);
}

// How many pixels of `colour` a rectangle of the dialog's client area holds (dialog units).
int countColour(const Capture& capture, HWND dialog, const DialogUnits& units, RECT duRect, COLORREF colour) {
  RECT r = units.pixels(duRect);
  POINT origin{};
  ClientToScreen(dialog, &origin);
  int found = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) found += capture.at(origin.x + x, origin.y + y) == colour;
  return found;
}

// The style word of a dialog template in the program (DLGTEMPLATEEX or DLGTEMPLATE).
DWORD templateStyle(const wchar_t* exe, int templateId) {
  DWORD style = 0;
  HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return 0;
  if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5))) {
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    const auto* dwords = reinterpret_cast<const DWORD*>(extended ? words + 2 : words);
    style = extended ? dwords[2] : dwords[0];  // DLGTEMPLATEEX: helpID, exStyle, style
  }
  FreeLibrary(module);
  return style;
}

}  // namespace

int dialogs(const wchar_t* exe, const std::wstring& outDir, const std::wstring& requestList,
            const std::wstring& expectedDir, int cycles) {
  Checks checks;
  const DialogUnits entryUnits = unitsOf(exe, IDD_BIRTH_DATE);
  const DialogUnits resultUnits = unitsOf(exe, IDD_RESULT);
  const DialogUnits aboutUnits = unitsOf(exe, IDD_ABOUT);
  checks.check(entryUnits.baseX > 0 && resultUnits.baseX > 0 && aboutUnits.baseX > 0,
               "templates 104, 178 and 181 are in the program");

  Session session;
  if (!checks.check(openEntry(exe, session), "a click on the splash opens the birth-date dialog"))
    return checks.finish("dialogs");
  const Program& program = session.program;
  HWND entry = session.entry;

  // The birth-date dialog as it opens.
  RECT where;
  GetWindowRect(entry, &where);
  const RECT placed = entryUnits.pixels({70, 143, 360, 162});
  checks.check(EqualRect(&where, &placed), "it stands at (70, 143), 360 x 162 dialog units, on the screen");
  const DWORD entryStyle = static_cast<DWORD>(GetWindowLongPtrW(entry, GWL_STYLE));
  checks.check((entryStyle & WS_POPUP) && !(entryStyle & (WS_CAPTION | WS_BORDER | WS_THICKFRAME)),
               "a pop-up without caption or border");
  checks.check(!IsWindowEnabled(session.splash), "the splash is disabled while it is open");
  checkControls(checks, entry, entryUnits, birthDateControls, std::size(birthDateControls),
                "birth-date dialog");
  const HWND list = GetDlgItem(entry, IDC_TYPE_LIST);
  bool listRight = SendMessageW(list, LB_GETCOUNT, 0, 0) == 6;
  for (int i = 0; listRight && i < 6; ++i) {
    wchar_t text[64] = {};
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    listRight = std::wstring(text) == listTexts[i];
  }
  checks.check(listRight, "the list holds the six systems in order");
  checks.check(SendMessageW(list, LB_GETCURSEL, 0, 0) == LB_ERR, "nothing is selected");
  checks.check(controlText(entry, IDC_DAY).empty() && controlText(entry, IDC_MONTH).empty() &&
                   controlText(entry, IDC_YEAR).empty(),
               "the fields are empty");
  bool images = true;
  for (int id : {IDC_COMPUTE, IDCANCEL, IDC_ABOUT})
    images = images && SendDlgItemMessageW(entry, id, BM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
  checks.check(images, "the compute, Cancel and About buttons show their bitmaps");
  for (int id : {IDC_DAY, IDC_MONTH, IDC_YEAR})
    checks.check(SendDlgItemMessageW(entry, id, EM_GETLIMITTEXT, 0, 0) >= 30000,
                 "a field has no character limit");

  {
    const Capture shot = settledCapture(entry);
    checks.check(countColour(shot, entry, entryUnits, {2, 2, 60, 12}, dialogBackground) > 0,
                 ("the dialog's background is " + colourText(dialogBackground)).c_str());
    checks.check(countColour(shot, entry, entryUnits, {95, 24, 55, 8}, staticTextBackground) > 0,
                 ("static text stands on " + colourText(staticTextBackground)).c_str());
  }

  // The five messages, each in its own box captioned "Pozor" with one OK button.
  struct Invalid {
    const wchar_t *day, *month, *year;
    int type;
    const wchar_t* message;
  };
  const Invalid invalid[] = {
      {L"", L"", L"", -1, L"Nevybral si typ horoskopu"},
      {L"5", L"", L"1980", 0, L"Nevyplnil si správne dátum narodenia"},
      {L"0", L"5", L"1980", 1, L"Nesprávna hodnota dňa"},
      {L"32", L"5", L"1980", 2, L"Nesprávna hodnota dňa"},
      {L"ab", L"5", L"1980", 3, L"Nesprávna hodnota dňa"},
      {L"5", L"13", L"1980", 4, L"Nesprávna hodnota mesiaca"},
      {L"5", L"0", L"1980", 5, L"Nesprávna hodnota mesiaca"},
      {L"5", L"5", L"1899", 0, L"Nesprávne zadaný rok narodenia"},
      {L"5", L"5", L"2006", 0, L"Nesprávne zadaný rok narodenia"},
      {L"5", L"5", L"198000", 0, L"Nesprávne zadaný rok narodenia"},
      {L" ", L"5", L"1980", 0, L"Nesprávna hodnota dňa"},
  };
  bool firstBox = true;
  for (const Invalid& bad : invalid) {
    enter(entry, bad.day, bad.month, bad.year, bad.type);
    const std::string label = "\"" + toUtf8(bad.message) + "\"";
    clickButton(entry, IDC_COMPUTE);
    const HWND box = expect(program, {Shows::messageBox, L"Pozor"}, {entry});
    checks.check(isMessageBox(box), (label + " appears in a message box").c_str());
    int buttons = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      buttons += _wcsicmp(className(child).c_str(), L"Button") == 0 && IsWindowVisible(child);
    checks.check(windowText(box) == L"Pozor" && windowText(GetDlgItem(box, 0xFFFF)) == bad.message &&
                     buttons == 1 && GetDlgItem(box, IDOK) != nullptr,
                 (label + ": captioned Pozor, the message, one OK button").c_str());
    if (firstBox) {
      settledCapture(box).saveBmp(outDir + L"\\message-box.bmp");
      firstBox = false;
    }
    // Back at the birth-date dialog, and nothing over it: a second box or a result fails the wait.
    checks.check(closeWith(session, box, IDOK) == entry,
                 (label + ": OK closes it, and nothing follows").c_str());
    checks.check(controlText(entry, IDC_DAY) == bad.day && controlText(entry, IDC_MONTH) == bad.month &&
                     controlText(entry, IDC_YEAR) == bad.year &&
                     SendMessageW(list, LB_GETCURSEL, 0, 0) == bad.type,
                 (label + ": the dialog keeps its input").c_str());
  }

  // Results of every system, byte for byte what the console tool gives.
  const std::vector<Request> requests = loadRequests(requestList, expectedDir);
  checks.check(requests.size() >= 12, "the requests to compute are loaded", std::to_string(requests.size()));
  bool shotOf[6] = {};
  for (const Request& request : requests) {
    enter(entry, request.day, request.month, request.year, request.type);
    const std::string label = toUtf8(request.title);
    const HWND result = computeAndWait(session, Shows::result);
    checks.check(kindOf(result) == Shows::result, (label + ": the result opens").c_str());
    checks.check(controlText(result, IDC_RESULT_TITLE) == request.title, (label + ": its title").c_str(),
                 toUtf8(controlText(result, IDC_RESULT_TITLE)));
    const std::wstring shown = longText(GetDlgItem(result, IDC_RESULT_TEXT));
    const std::string difference = differenceFromTool(shown, request);
    checks.check(!request.paragraphs.empty() && difference.empty(),
                 (label + ": its text, in the paragraphs kalmira-text shows").c_str(), difference);
    if (!shotOf[request.type]) {
      shotOf[request.type] = true;
      settledCapture(result).saveBmp(outDir + L"\\result-" + std::to_wstring(request.type) + L".bmp");
      RECT placedResult;
      GetWindowRect(result, &placedResult);
      POINT owner{};
      ClientToScreen(entry, &owner);
      const RECT expectedResult = resultUnits.pixels({0, 1, 361, 161});
      checks.check(placedResult.left == owner.x + expectedResult.left &&
                       placedResult.top == owner.y + expectedResult.top &&
                       placedResult.right - placedResult.left == expectedResult.right - expectedResult.left,
                   (label + ": the result lies over the birth-date dialog").c_str());
      press(GetDlgItem(result, IDC_RESULT_TEXT), VK_RETURN);
      waitHandled(result);
      checks.check(IsWindowVisible(result), (label + ": Enter leaves the result open").c_str());
    }
    press(GetDlgItem(result, IDC_RESULT_TEXT), VK_ESCAPE);
    checks.check(expect(program, {Shows::entry}, {result}) == entry, (label + ": Escape closes it").c_str());
    checks.check(controlText(entry, IDC_DAY) == request.day &&
                     controlText(entry, IDC_MONTH) == request.month &&
                     controlText(entry, IDC_YEAR) == request.year &&
                     SendMessageW(list, LB_GETCURSEL, 0, 0) == request.type,
                 (label + ": back at the entry with its input").c_str(),
                 toUtf8(controlText(entry, IDC_DAY) + L"|" + controlText(entry, IDC_MONTH) + L"|" +
                        controlText(entry, IDC_YEAR)) +
                     " selection " + std::to_string(SendMessageW(list, LB_GETCURSEL, 0, 0)));
  }
  // The same input again gives the same result.
  if (!requests.empty()) {
    const Request& again = requests.front();
    enter(entry, again.day, again.month, again.year, again.type);
    const HWND result = computeAndWait(session, Shows::result);
    checks.check(differenceFromTool(longText(GetDlgItem(result, IDC_RESULT_TEXT)), again).empty(),
                 "computing the same input again gives the same result");
    closeWith(session, result, IDCANCEL);
  }
  enter(entry, L"5", L"9", L"1980", 0);
  settledCapture(entry).saveBmp(outDir + L"\\entry-filled.bmp");

  // The About box.
  const HWND about = openOwned(session, IDC_ABOUT, Shows::about);
  if (checks.check(kindOf(about) == Shows::about, "the About button opens the About box")) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(about, GWL_STYLE));
    char styleText[16];
    std::snprintf(styleText, sizeof styleText, "0x%08lX", static_cast<unsigned long>(style));
    // The system adds WS_VISIBLE, WS_CLIPSIBLINGS and DS_3DLOOK to every dialog it shows.
    checks.check((style & ~(WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK)) == 0x80800040,
                 "style WS_POPUP | WS_BORDER | DS_SETFONT (0x80800040)", styleText);
    checks.check(templateStyle(exe, IDD_ABOUT) == 0x80800040, "template 181 holds exactly that style");
    checkControls(checks, about, aboutUnits, aboutControls, std::size(aboutControls), "About box");
    checks.check(SendDlgItemMessageW(about, IDCANCEL, BM_GETIMAGE, IMAGE_BITMAP, 0) != 0,
                 "its Cancel button shows bitmap 173");
    // The template places the client area; the border lies around it.
    POINT owner{}, client{};
    ClientToScreen(entry, &owner);
    ClientToScreen(about, &client);
    const RECT expectedAbout = aboutUnits.pixels({90, 15, 190, 94});
    checks.check(client.x == owner.x + expectedAbout.left && client.y == owner.y + expectedAbout.top,
                 "it stands at (90, 15) dialog units from the birth-date dialog",
                 std::to_string(client.x - owner.x) + "," + std::to_string(client.y - owner.y) + " not " +
                     std::to_string(expectedAbout.left) + "," + std::to_string(expectedAbout.top));
    const Capture shot = settledCapture(about);
    shot.saveBmp(outDir + L"\\about.bmp");
    checks.check(countColour(shot, about, aboutUnits, {150, 60, 30, 8}, aboutBackground) > 0,
                 ("the About box's background is " + colourText(aboutBackground)).c_str());
    checks.check(countColour(shot, about, aboutUnits, {14, 57, 44, 8}, dialogBackground) > 0,
                 ("its static controls are filled with " + colourText(dialogBackground)).c_str());
    press(GetDlgItem(about, IDCANCEL), VK_RETURN);
    waitHandled(about);
    checks.check(IsWindowVisible(about), "Enter leaves the About box open");
    press(GetDlgItem(about, IDCANCEL), VK_ESCAPE);
    checks.check(expect(program, {Shows::entry}, {about}) == entry, "Escape closes the About box");
  }

  // Leaks: after a first cycle of each, `cycles` more leave the count of GDI objects where it was.
  // Each cycle opens its box and closes it again; the first cycle that cannot ends the run.
  const HANDLE process = session.program.process.hProcess;
  auto cycleResult = [&] {
    enter(entry, L"1", L"5", L"1980", 4);
    return closeWith(session, computeAndWait(session, Shows::result), IDCANCEL) == entry;
  };
  auto cycleAbout = [&] {
    return closeWith(session, openOwned(session, IDC_ABOUT, Shows::about), IDCANCEL) == entry;
  };
  auto cycleMessage = [&] {
    enter(entry, L"", L"", L"", -1);
    return closeWith(session, computeAndWait(session, Shows::messageBox), IDOK) == entry;
  };
  auto repaint = [&] {
    InvalidateRect(session.splash, nullptr, TRUE);
    return UpdateWindow(session.splash) != FALSE;
  };
  for (const auto& [what, run] : {std::pair<const char*, std::function<bool()>>{"result dialog", cycleResult},
                                  {"About box", cycleAbout},
                                  {"message box", cycleMessage},
                                  {"splash repaint", repaint}}) {
    const double started = now();
    run();
    waitHandled(entry);
    const int first = gdiObjectCount(process);
    int done = 0;
    while (done < cycles && run()) ++done;
    waitHandled(entry);
    const int after = gdiObjectCount(process);
    const std::string label = std::to_string(cycles) + " cycles of the " + what;
    checks.check(done == cycles, (label + " run to the end").c_str(),
                 done == cycles ? "" : "cycle " + std::to_string(done + 1) + " did not complete");
    checks.check(first > 0 && after == first, (label + " keep no GDI object").c_str(),
                 std::to_string(first) + " -> " + std::to_string(after));
    std::printf("  %s: %.1f s, %d GDI objects after the first and %d after the last\n", label.c_str(),
                now() - started, first, after);
  }

  // Enter in the birth-date dialog ends the program.
  press(GetDlgItem(entry, IDC_DAY), VK_RETURN);
  expect(program, {Shows::ended}, {entry, session.splash});
  checks.check(exitCodeOf(program) == 0, "Enter in the birth-date dialog ends the program with exit code 0",
               std::to_string(exitCodeOf(program)));

  // Without a mouse: Enter or Space on the splash opens the birth-date dialog, once, as the click
  // does; Escape or Cancel there ends the program.
  struct ByKey {
    Opening key;
    const char *keyName, *closing;
  };
  for (const ByKey& by :
       {ByKey{Opening::enter, "Enter", "Escape"}, ByKey{Opening::space, "Space", "Cancel"}}) {
    Session other;
    bool byKey = openEntry(exe, other, by.key) && waitHandled(other.entry);
    // A second dialog, opened over the first before that one showed, would leave the first hidden.
    int entries = 0;
    for (HWND window : topLevelWindows(other.program.process.dwProcessId))
      entries += className(window) == L"#32770" && GetWindow(window, GW_OWNER) == other.splash;
    byKey = byKey && entries == 1;
    if (!checks.check(byKey,
                      (std::string(by.keyName) + " on the splash opens the birth-date dialog, once").c_str(),
                      describeWindows(other.program.process.dwProcessId)))
      continue;
    if (by.key == Opening::enter) {
      settledCapture(other.splash).saveBmp(outDir + L"\\entry-by-keyboard.bmp");
      press(GetDlgItem(other.entry, IDC_MONTH), VK_ESCAPE);
    } else {
      clickButton(other.entry, IDCANCEL);
    }
    expect(other.program, {Shows::ended}, {other.entry, other.splash});
    checks.check(
        exitCodeOf(other.program) == 0,
        (std::string(by.closing) + " in the birth-date dialog ends the program with exit code 0").c_str());
  }
  return checks.finish("dialogs");
}

}  // namespace bench
