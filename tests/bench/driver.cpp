// Working kalmira.exe's dialogs from the bench, each step waiting for the program as a person would.
#include "tests/bench/driver.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "resources/resource.h"

namespace bench {

namespace {

INT_PTR CALLBACK quietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// True once the window's thread answers a message: its dialog has finished starting up and runs
// its message loop. Working a dialog before that races the system's own set-up of it.
bool answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

BOOL CALLBACK notePaintPending(HWND window, LPARAM pending) {
  RECT area;
  if (IsWindowVisible(window) && GetUpdateRect(window, &area, FALSE)) {
    *reinterpret_cast<bool*>(pending) = true;
    return FALSE;
  }
  return TRUE;
}

// True while the window or one of its shown children still has something to paint.
bool paintPending(HWND window) {
  bool pending = false;
  notePaintPending(window, reinterpret_cast<LPARAM>(&pending));
  if (!pending) EnumChildWindows(window, notePaintPending, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

}  // namespace

bool waitPainted(HWND window, DWORD milliseconds) {
  const double deadline = now() + milliseconds / 1000.0;
  while (paintPending(window)) {
    if (now() > deadline) return false;
    Sleep(2);
  }
  // A window stops asking for paint as its painting begins; the thread answers once that is done.
  // Short tries: a thread still painting counts as hung to SMTO_ABORTIFHUNG.
  while (!answers(window)) {
    if (now() > deadline || !IsWindow(window)) return false;
    Sleep(2);
  }
  return true;
}

bool waitHandled(HWND window, DWORD milliseconds) {
  // A thread paints only once it has handled every message posted to it and all input queued for
  // it: a window asked to repaint has handled all that came before the request when it has painted.
  InvalidateRect(window, nullptr, FALSE);
  return waitPainted(window, milliseconds);
}

Capture settledCapture(HWND window, DWORD milliseconds) {
  const double deadline = now() + milliseconds / 1000.0;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  Capture last;
  for (;;) {
    for (HWND shown : topLevelWindows(processId))
      if (IsWindowVisible(shown)) waitPainted(shown, millisecondsUntil(deadline));
    // Wine hands what a window painted to the X server in its own time: the shot is the one that
    // a tenth of a second later is still the same.
    Capture next = captureWindow(window);
    if ((next.pixels == last.pixels && next.width == last.width) || millisecondsUntil(deadline) == 0)
      return next;
    last = std::move(next);
    Sleep(100);
  }
}

// Measured on a copy of the program's own template made in this process. The copy is destroyed
// at once: a bench that keeps windows of its own would have to answer the messages other programs
// send them while it waits for kalmira.exe.
TemplateFont templateFont(const wchar_t* exe, int templateId) {
  TemplateFont measured;
  HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return measured;
  if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5))) {  // RT_DIALOG
    const auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, found)));
    if (HWND copy =
            CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, nullptr, quietDialog, 0)) {
      RECT base{4, 8, 0, 0};
      MapDialogRect(copy, &base);
      measured.units.baseX = base.left;
      measured.units.baseY = base.top;
      LOGFONTW description{};
      const auto font = reinterpret_cast<HFONT>(SendMessageW(copy, WM_GETFONT, 0, 0));
      if (font != nullptr && GetObjectW(font, sizeof description, &description) == sizeof description)
        measured.font = CreateFontIndirectW(&description);
      DestroyWindow(copy);
    }
  }
  FreeLibrary(module);
  return measured;
}

std::wstring controlText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

std::wstring longText(HWND window) {
  std::vector<wchar_t> text(16384, L'\0');
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, nullptr);
  return text.data();
}

void press(HWND control, WPARAM key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

void clickButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void enter(HWND dialog, const std::wstring& day, const std::wstring& month, const std::wstring& year,
           int type) {
  DWORD_PTR result = 0;
  const std::wstring* texts[] = {&day, &month, &year};
  const int ids[] = {IDC_DAY, IDC_MONTH, IDC_YEAR};
  for (int i = 0; i < 3; ++i)
    SendMessageTimeoutW(GetDlgItem(dialog, ids[i]), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(texts[i]->c_str()), SMTO_ABORTIFHUNG, 5000, &result);
  SendMessageTimeoutW(GetDlgItem(dialog, IDC_TYPE_LIST), LB_SETCURSEL, static_cast<WPARAM>(type), 0,
                      SMTO_ABORTIFHUNG, 5000, &result);
}

namespace {

std::vector<std::wstring> words(const std::wstring& text) {
  std::vector<std::wstring> found;
  std::wistringstream in(text);
  for (std::wstring word; in >> word;) found.push_back(word);
  return found;
}

}  // namespace

std::vector<Request> loadRequests(const std::wstring& listPath, const std::wstring& expectedDir) {
  std::vector<Request> requests;
  std::ifstream list(listPath.c_str());
  std::string line;
  int number = 0;
  while (std::getline(list, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Request request;
    std::string day, month, year;
    fields >> request.type >> day >> month >> year;
    request.day = fromUtf8(day);
    request.month = fromUtf8(month);
    request.year = fromUtf8(year);
    std::ifstream expected((expectedDir + L"\\" + std::to_wstring(++number) + L".txt").c_str(),
                           std::ios::binary);
    // The title, an empty line, then the paragraphs, one a line, with empty lines between them.
    if (std::getline(expected, line)) request.title = fromUtf8(line);
    while (std::getline(expected, line))
      if (!line.empty()) request.paragraphs.push_back(fromUtf8(line));
    requests.push_back(request);
  }
  return requests;
}

std::string differenceFromTool(const std::wstring& shown, const Request& request) {
  std::vector<std::wstring> paragraphs;
  for (size_t at = 0;;) {
    const size_t end = shown.find(L"\r\n\r\n", at);
    paragraphs.push_back(shown.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at));
    if (end == std::wstring::npos) break;
    at = end + 4;
  }
  if (paragraphs.size() != request.paragraphs.size())
    return std::to_string(paragraphs.size()) + " paragraphs, the tool shows " +
           std::to_string(request.paragraphs.size());
  for (size_t i = 0; i < paragraphs.size(); ++i)
    if (words(paragraphs[i]) != words(request.paragraphs[i]))
      return "paragraph " + std::to_string(i + 1) + " reads \"" + toUtf8(paragraphs[i].substr(0, 60)) +
             "\", the tool's \"" + toUtf8(request.paragraphs[i].substr(0, 60)) + "\"";
  return {};
}

// The process's top-level windows, for a failure's detail.
std::string describeWindows(DWORD processId) {
  std::string text;
  for (HWND window : topLevelWindows(processId)) {
    text += toUtf8(className(window)) + (IsWindowVisible(window) ? " visible" : " hidden");
    text += " owner " + std::to_string(reinterpret_cast<uintptr_t>(GetWindow(window, GW_OWNER))) + "; ";
  }
  return text;
}

Shows kindOf(HWND window) {
  const std::wstring name = className(window);
  if (name == L"WinAPIMainClass") return Shows::splash;
  if (name != L"#32770") return Shows::otherDialog;
  if (GetDlgItem(window, IDC_TYPE_LIST) != nullptr) return Shows::entry;
  if (GetDlgItem(window, IDC_RESULT_TITLE) != nullptr) return Shows::result;
  // A message box shows its text in the static 0xFFFF and has an OK button; the About box's
  // statics have that id too, and only a Cancel button.
  if (GetDlgItem(window, IDOK) != nullptr && GetDlgItem(window, 0xFFFF) != nullptr) return Shows::messageBox;
  if (GetDlgItem(window, IDCANCEL) != nullptr) return Shows::about;
  return Shows::otherDialog;
}

std::string describe(HWND window) {
  std::string text;
  switch (kindOf(window)) {
    case Shows::splash: text = "the splash"; break;
    case Shows::entry: text = "the birth-date dialog"; break;
    case Shows::result:
      text = "the result dialog '" + toUtf8(controlText(window, IDC_RESULT_TITLE)) + "'";
      break;
    case Shows::about: text = "the About box"; break;
    case Shows::messageBox:
      text = "the message box '" + toUtf8(windowText(window)) + "' (\"" +
             toUtf8(controlText(window, 0xFFFF)) + "\")";
      break;
    default: text = "a window '" + toUtf8(windowText(window)) + "' of class " + toUtf8(className(window));
  }
  return IsWindowEnabled(window) ? text : text + ", disabled";
}

namespace {

// A control by the name a person gives it in its kind of window ("the day field"), or its number.
std::string controlName(Shows kind, int id) {
  if (id == IDCANCEL) return "the Cancel button";
  if (id == IDOK && kind == Shows::messageBox) return "the OK button";
  if (kind == Shows::entry) {
    const char* const fields[] = {"the day field", "the month field", "the year field"};
    if (id >= IDC_DAY && id <= IDC_YEAR) return fields[id - IDC_DAY];
    if (id == IDC_COMPUTE) return "the compute button";
    if (id == IDC_ABOUT) return "the About button";
    if (id == IDC_TYPE_LIST) return "the list";
  }
  if (kind == Shows::result && id == IDC_RESULT_TEXT) return "the text";
  return "control " + std::to_string(id);
}

}  // namespace

std::string describeControl(HWND control) {
  if (control == nullptr) return "nothing";
  const HWND dialog = GetParent(control);
  if (dialog == nullptr || (GetWindowLongPtrW(control, GWL_STYLE) & WS_CHILD) == 0)
    return describe(GetAncestor(control, GA_ROOT)) + " itself";
  return controlName(kindOf(dialog), GetDlgCtrlID(control)) + " of " + describe(dialog);
}

namespace {

// What the program shows at one moment.
struct Scene {
  bool ended = false;
  std::vector<HWND> chain;   // the splash, then each shown dialog over the one before
  std::vector<HWND> beside;  // shown windows of the program outside that chain
  HWND focus = nullptr, foreground = nullptr;
  HWND front() const { return chain.empty() ? nullptr : chain.back(); }
};

Scene snapshot(const Program& program) {
  Scene scene;
  if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0) {
    scene.ended = true;
    return scene;
  }
  std::vector<HWND> shown;
  for (HWND window : topLevelWindows(program.process.dwProcessId)) {
    // Wine gives every GUI process hidden helper windows: what a person sees are the shown ones.
    if (!IsWindowVisible(window)) continue;
    if (kindOf(window) == Shows::splash && scene.chain.empty())
      scene.chain.push_back(window);
    else
      shown.push_back(window);
  }
  for (bool grown = !scene.chain.empty(); grown;) {
    grown = false;
    for (auto at = shown.begin(); at != shown.end(); ++at)
      if (GetWindow(*at, GW_OWNER) == scene.chain.back()) {
        scene.chain.push_back(*at);
        shown.erase(at);
        grown = true;
        break;
      }
  }
  scene.beside = shown;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (GetGUIThreadInfo(program.process.dwThreadId, &thread)) scene.focus = thread.hwndFocus;
  scene.foreground = GetForegroundWindow();
  return scene;
}

// A window may go while it is looked at (a dialog is hidden, then destroyed, as it closes): the
// scene counts once every window in it is still there and shown.
Scene look(const Program& program) {
  for (int tries = 0;; ++tries) {
    Scene scene = snapshot(program);
    bool holds = true;
    for (const auto* windows : {&scene.chain, &scene.beside})
      for (HWND window : *windows) holds = holds && IsWindowVisible(window);
    if (holds || tries == 100) return scene;
  }
}

bool matches(const Scene& scene, const Want& want) {
  if (want.kind == Shows::ended) return scene.ended;
  const HWND front = scene.front();
  if (scene.ended || !scene.beside.empty() || front == nullptr || kindOf(front) != want.kind ||
      !IsWindowEnabled(front))
    return false;
  if (want.title != nullptr) {
    const std::wstring title =
        want.kind == Shows::result ? controlText(front, IDC_RESULT_TITLE) : windowText(front);
    if (title != want.title) return false;
  }
  if (want.focus == Want::anyFocus) return true;
  const HWND focus = want.focus == Want::itself ? front : GetDlgItem(front, want.focus);
  return scene.foreground == front && scene.focus == focus;
}

std::string describeWant(const Want& want) {
  std::string text;
  switch (want.kind) {
    case Shows::splash: text = "the splash"; break;
    case Shows::entry: text = "the birth-date dialog"; break;
    case Shows::result: text = "a result dialog"; break;
    case Shows::about: text = "the About box"; break;
    case Shows::messageBox: text = "a message box"; break;
    case Shows::otherDialog: text = "a dialog"; break;
    case Shows::ended: return "the program to end";
  }
  if (want.title != nullptr)
    text =
        (want.kind == Shows::result ? "the result dialog '" : "the message box '") + toUtf8(want.title) + "'";
  if (want.focus == Want::itself) text += " in the foreground";
  if (want.focus != Want::anyFocus && want.focus != Want::itself)
    text += " with the focus on " + controlName(want.kind, want.focus);
  return text;
}

std::string describeScene(const Scene& scene, const Want& want) {
  if (scene.ended) return "the program ended";
  std::string text = scene.front() == nullptr ? "no window of the program" : describe(scene.front());
  for (HWND other : scene.beside) text += " beside " + describe(other);
  if (want.focus != Want::anyFocus && scene.front() != nullptr) {
    if (scene.foreground != scene.front())
      text += ", not in the foreground (" +
              (scene.foreground == nullptr ? std::string("none") : describe(scene.foreground)) + " is)";
    else
      text += ", the focus on " + describeControl(scene.focus);
  }
  return text;
}

}  // namespace

DWORD exitCodeOf(const Program& program) {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(program.process.hProcess, &code);
  return code;
}

HWND expect(const Program& program, const Want& want, std::initializer_list<HWND> passing,
            DWORD milliseconds) {
  const double started = now(), deadline = started + milliseconds / 1000.0;
  const std::vector<HWND> leaving(passing);
  auto fail = [&](const Scene& scene, const char* why) {
    std::string found = describeScene(scene, want);
    if (scene.ended) found += " (exit code " + std::to_string(exitCodeOf(program)) + ")";
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, " (%.1f s)", now() - started);
    throw Unexpected("expected " + describeWant(want) + ", found " + found + why + seconds);
  };
  for (;;) {
    const Scene scene = look(program);
    const HWND front = scene.front();
    if (matches(scene, want)) {
      if (want.kind == Shows::ended) return nullptr;
      // What a person works is what they see: painted, and still there once its thread answers
      // (a window that went again, or a second box opened over it, counts as what it shows then).
      const Scene after = waitPainted(front, millisecondsUntil(deadline)) ? look(program) : Scene{};
      if (matches(after, want) && after.front() == front) return front;
    } else {
      const bool left = std::find(leaving.begin(), leaving.end(), front) != leaving.end();
      // On the way: nothing shown yet after a start, or no longer before the end, what the step
      // leaves still up, a modal box being made over the front (its owner disabled first), or the
      // wanted window not yet as wanted (the focus moving, the foreground changing).
      const bool onTheWay =
          !scene.ended && scene.beside.empty() &&
          (front == nullptr ? leaving.empty() || want.kind == Shows::ended
                            : left || !IsWindowEnabled(front) || kindOf(front) == want.kind);
      if (!onTheWay) fail(scene, "");
      // Once the program has handled everything it was given and still shows the same, nothing
      // more is coming. Twice over: a single round once ended before a click had been handled
      // (while the press was still sent apart from its move, since mended in clickAt).
      auto unchanged = [&] {
        if (!waitHandled(front, millisecondsUntil(deadline))) return false;
        const Scene after = look(program);
        return !matches(after, want) && after.front() == front && after.focus == scene.focus &&
               after.foreground == scene.foreground && !after.ended && after.beside.empty() &&
               IsWindowEnabled(front);
      };
      if (front != nullptr && IsWindowEnabled(front) && unchanged() && unchanged())
        fail(look(program), " once it had handled all its input");
    }
    if (now() > deadline) fail(look(program), " at the step's limit");
    Sleep(2);
  }
}

bool openEntry(const wchar_t* exe, Session& session, Opening by) {
  if (!start(exe, session.program)) return false;
  // The first paint of a fresh prefix is slow (Wine builds its font cache): a person waits for it.
  session.splash = expect(session.program, {Shows::splash}, {}, firstStartLimit);
  if (by == Opening::click) {
    PostMessageW(session.splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(270, 200));
    PostMessageW(session.splash, WM_LBUTTONUP, 0, MAKELPARAM(270, 200));
  } else {
    press(session.splash, by == Opening::enter ? VK_RETURN : VK_SPACE);
  }
  // The first dialog of a fresh prefix loads its fonts for the first time: slow too.
  session.entry = expect(session.program, {Shows::entry}, {session.splash}, firstStartLimit);
  return true;
}

HWND openOwned(const Session& session, int id, Shows want) {
  clickButton(session.entry, id);
  return expect(session.program, {want}, {session.entry});
}

HWND computeAndWait(const Session& session, Shows want) { return openOwned(session, IDC_COMPUTE, want); }

HWND closeWith(const Session& session, HWND box, int id) {
  clickButton(box, id);
  return expect(session.program, {Shows::entry}, {box});
}

bool isMessageBox(HWND window) { return kindOf(window) == Shows::messageBox; }

namespace {

bool extendedKey(WORD key) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE: return true;
  }
  return false;
}

INPUT keyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

void sendKeys(const std::vector<INPUT>& inputs) {
  std::vector<INPUT> copy = inputs;
  SendInput(static_cast<UINT>(copy.size()), copy.data(), sizeof(INPUT));
}

}  // namespace

void takeFocus(const Program& program, HWND window, int focus) {
  if (GetForegroundWindow() != window) SetForegroundWindow(window);
  expect(program, {kindOf(window), nullptr, focus}, {window});
}

void pressKey(const Program& program, HWND window, int focus, WORD key, bool shift) {
  takeFocus(program, window, focus);
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(keyInput(VK_SHIFT, false));
  inputs.push_back(keyInput(key, false));
  inputs.push_back(keyInput(key, true));
  if (shift) inputs.push_back(keyInput(VK_SHIFT, true));
  sendKeys(inputs);
}

void typeText(const Program& program, HWND window, int focus, const std::wstring& text) {
  takeFocus(program, window, focus);
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    const SHORT scan = VkKeyScanW(c);
    const bool shift = (scan >> 8) & 1;
    if (shift) inputs.push_back(keyInput(VK_SHIFT, false));
    inputs.push_back(keyInput(scan & 0xFF, false));
    inputs.push_back(keyInput(scan & 0xFF, true));
    if (shift) inputs.push_back(keyInput(VK_SHIFT, true));
  }
  sendKeys(inputs);
  waitHandled(window);
}

void clickAt(HWND window, POINT client) {
  POINT at = client;
  ClientToScreen(window, &at);
  // The system gives the click to the window under the pointer: it must be the one meant.
  const HWND under = WindowFromPoint(at);
  if (under != window && GetAncestor(under, GA_ROOT) != window && GetParent(under) != window)
    throw Unexpected("a click at (" + std::to_string(at.x) + ", " + std::to_string(at.y) + ") meant for " +
                     describeControl(window) + " would land on " + describeControl(under));
  // Every event says where it happens: Wine moves the pointer itself in its own time, and a press
  // sent after a bare move could still land where the pointer was.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3] = {};
  const DWORD buttons[] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 3; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dx = (at.x * 65536 + width / 2) / width;
    inputs[i].mi.dy = (at.y * 65536 + height / 2) / height;
    inputs[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons[i];
  }
  SendInput(3, inputs, sizeof(INPUT));
}

void clickOn(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  RECT rect;
  GetClientRect(control, &rect);
  POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  MapWindowPoints(control, dialog, &middle, 1);
  POINT screen = middle;
  ClientToScreen(dialog, &screen);
  const HWND under = WindowFromPoint(screen);
  if (under != control)
    throw Unexpected("a click on " + describeControl(control) + " would land on " + describeControl(under));
  clickAt(dialog, middle);
}

}  // namespace bench
