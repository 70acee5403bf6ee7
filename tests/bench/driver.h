// Working kalmira.exe's dialogs from the bench: opening them, typing into them, reading them back
// and closing them, each step waiting for the program as a person would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/bench/bench_support.h"

namespace bench {

std::string narrow(const std::wstring& text);

// The list's entries as the birth-date dialog must show them, in list order.
inline const wchar_t* const listTexts[] = {L"Európsky", L"Čínsky",    L"Cyklický",
                                           L"Egyptský", L"Indiánsky", L"Európsky krátky"};

// Dialog units to pixels by the base units of a dialog's font, as the dialog manager converts them:
// position and size each on its own.
struct DialogUnits {
  int baseX = 0, baseY = 0;
  RECT pixels(RECT units) const {  // left, top, width, height
    const int left = MulDiv(units.left, baseX, 4), top = MulDiv(units.top, baseY, 8);
    return {left, top, left + MulDiv(units.right, baseX, 4), top + MulDiv(units.bottom, baseY, 8)};
  }
};

// The font of one of the program's dialog templates as this process realises it (same prefix,
// same locale, so the same face), with the base units it gives. `font` belongs to the caller.
struct TemplateFont {
  DialogUnits units;
  HFONT font = nullptr;
};
TemplateFont templateFont(const wchar_t* exe, int templateId);

std::vector<HWND> ownedDialogs(DWORD processId, HWND owner);
HWND waitForOwnedDialog(DWORD processId, HWND owner, DWORD milliseconds = 10000);
bool waitGone(HWND window, DWORD milliseconds = 10000);
// Waits until the window and its shown children have painted all they were asked to, and its
// thread has finished that painting.
bool waitPainted(HWND window, DWORD milliseconds = 10000);
// Waits until the window's thread has handled every message posted to it so far (it repaints the
// window to tell).
bool waitHandled(HWND window, DWORD milliseconds = 10000);
// A screenshot of the window once its process has painted everything and the screen holds still.
Capture settledCapture(HWND window, DWORD milliseconds = 10000);

std::wstring controlText(HWND dialog, int id);
std::wstring longText(HWND window);
void press(HWND control, WPARAM key);
void clickButton(HWND dialog, int id);

// Types a request into the birth-date dialog: three field texts and a list position (-1: none).
void enter(HWND dialog, const std::wstring& day, const std::wstring& month, const std::wstring& year,
           int type);

// A request to compute and what the console tool shows for it: the title and the paragraphs.
struct Request {
  int type;
  std::wstring day, month, year;
  std::wstring title;
  std::vector<std::wstring> paragraphs;
};
// REQUESTS lists TYPE DAY MONTH YEAR per line; EXPECTED\N.txt holds the tool's UTF-8 output for the
// Nth, one paragraph per line.
std::vector<Request> loadRequests(const std::wstring& listPath, const std::wstring& expectedDir);

// Empty when the result box's text shows exactly the tool's paragraphs and their words, in order;
// otherwise where they part.
std::string differenceFromTool(const std::wstring& shown, const Request& request);

// The process's top-level windows, for a failure's detail.
std::string describeWindows(DWORD processId);

struct Session {
  Program program;
  HWND splash = nullptr;
  HWND entry = nullptr;
};
// How a person opens the birth-date dialog from the splash.
enum class Opening { click, enter, space };
// Starts the program, waits for its splash and opens the birth-date dialog from it.
bool openEntry(const wchar_t* exe, Session& session, Opening by = Opening::click);
HWND openOwned(const Session& session, int id);
// Computes what the dialog holds and returns the window that answers: a message box or the result.
HWND computeAndWait(const Session& session);
bool closeWith(HWND box, int id);
bool isMessageBox(HWND window);

}  // namespace bench
