// Working kalmira.exe's dialogs from the bench, each step waiting for the program as a person would.
#include "tests/bench/driver.h"

#include <fstream>
#include <sstream>

#include "resources/resource.h"

namespace bench {

std::string narrow(const std::wstring& text) {
  std::string out(text.size() * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(),
                                    static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(n > 0 ? n : 0);
  return out;
}

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
  // A thread paints only once it has handled every message posted to it: a window asked to repaint
  // has handled all that was posted before the request when it has painted.
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

// The visible dialogs (#32770) of the process that `owner` owns.
std::vector<HWND> ownedDialogs(DWORD processId, HWND owner) {
  std::vector<HWND> found;
  for (HWND window : topLevelWindows(processId))
    if (IsWindowVisible(window) && className(window) == L"#32770" && GetWindow(window, GW_OWNER) == owner)
      found.push_back(window);
  return found;
}

HWND waitForOwnedDialog(DWORD processId, HWND owner, DWORD milliseconds) {
  const double deadline = now() + milliseconds / 1000.0;
  do {
    const std::vector<HWND> found = ownedDialogs(processId, owner);
    // What a person works is a dialog they see: one that has painted.
    if (!found.empty() && waitPainted(found.front(), millisecondsUntil(deadline))) return found.front();
    Sleep(2);
  } while (now() < deadline);
  return nullptr;
}

// Waits until the window is gone and its owner answers again: closing a dialog hands the focus and
// activation back, and working the owner before that races the system.
bool waitGone(HWND window, DWORD milliseconds) {
  const HWND owner = GetWindow(window, GW_OWNER);
  const double deadline = now() + milliseconds / 1000.0;
  while (IsWindow(window)) {
    if (now() > deadline) return false;
    Sleep(2);
  }
  if (owner != nullptr) waitPainted(owner, 5000);
  return true;
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

std::wstring fromUtf8(const std::string& bytes) {
  std::wstring out(bytes.size() + 1, L'\0');
  const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(),
                                    static_cast<int>(out.size()));
  out.resize(n > 0 ? n : 0);
  return out;
}

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
      return "paragraph " + std::to_string(i + 1) + " reads \"" + narrow(paragraphs[i].substr(0, 60)) +
             "\", the tool's \"" + narrow(request.paragraphs[i].substr(0, 60)) + "\"";
  return {};
}

// The process's top-level windows, for a failure's detail.
std::string describeWindows(DWORD processId) {
  std::string text;
  for (HWND window : topLevelWindows(processId)) {
    text += narrow(className(window)) + (IsWindowVisible(window) ? " visible" : " hidden");
    text += " owner " + std::to_string(reinterpret_cast<uintptr_t>(GetWindow(window, GW_OWNER))) + "; ";
  }
  return text;
}

namespace {

// Clicks a button of a dialog as a person can: only while the dialog is enabled, which the
// birth-date dialog is not while one of its modal boxes is open. A click posted to it then would
// still be handled, inside the open box's message loop, and stack a second modal box on the first.
bool clickWhenEnabled(HWND dialog, int id, DWORD milliseconds = 10000) {
  const double deadline = now() + milliseconds / 1000.0;
  while (!IsWindowEnabled(dialog)) {
    if (now() > deadline) return false;
    Sleep(2);
  }
  clickButton(dialog, id);
  return true;
}

}  // namespace

bool openEntry(const wchar_t* exe, Session& session, Opening by) {
  if (!start(exe, session.program)) return false;
  session.splash = waitUntilReady(session.program, L"WinAPIMainClass");
  // The first paint of a fresh prefix is slow (Wine builds its font cache): a person waits for it.
  if (session.splash == nullptr || !waitPainted(session.splash, firstStartLimit)) return false;
  if (by == Opening::click) {
    PostMessageW(session.splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(270, 200));
    PostMessageW(session.splash, WM_LBUTTONUP, 0, MAKELPARAM(270, 200));
  } else {
    press(session.splash, by == Opening::enter ? VK_RETURN : VK_SPACE);
  }
  // The first dialog of a fresh prefix loads its fonts for the first time: slow too.
  session.entry = waitForOwnedDialog(session.program.process.dwProcessId, session.splash, firstStartLimit);
  return session.entry != nullptr;
}

HWND openOwned(const Session& session, int id) {
  if (!clickWhenEnabled(session.entry, id)) return nullptr;
  return waitForOwnedDialog(session.program.process.dwProcessId, session.entry);
}

HWND computeAndWait(const Session& session) { return openOwned(session, IDC_COMPUTE); }

bool closeWith(HWND box, int id) {
  clickButton(box, id);
  return waitGone(box);
}

bool isMessageBox(HWND window) {
  return GetDlgItem(window, 0xFFFF) != nullptr && GetDlgItem(window, IDC_RESULT_TEXT) == nullptr;
}

}  // namespace bench
