// Working kalmira.exe's dialogs from the bench: opening them, typing into them (through window
// messages or real input), reading them back and closing them; each step waits for what the
// program shows, as a person would, and fails at once on anything else.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/bench/bench_support.h"
#include "tests/windows_utf8.h"

namespace bench {

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

// Waits until the window and its shown children have painted all they were asked to, and its
// thread has finished that painting.
bool waitPainted(HWND window, DWORD milliseconds = 10000);
// Waits until the window's thread has handled every message and all input given to it so far (it
// repaints the window to tell).
bool waitHandled(HWND window, DWORD milliseconds = 10000);
// A screenshot of the window once its process has painted everything and the screen holds still.
Capture settledCapture(HWND window, DWORD milliseconds = 10000);

// The windows of the program that a person tells apart.
enum class Shows { splash, entry, result, about, messageBox, otherDialog, ended };
Shows kindOf(HWND window);
// "the result dialog 'Cyklický horoskop (5. 9. 1980)'", "the message box 'Pozor' (...)", ...
std::string describe(HWND window);
// "the day field", "the Cancel button of the About box", ...
std::string describeControl(HWND control);

// What a step waits for: the window in front, taking input; for a message box its caption, for a
// result its title (nullptr: any); for typing, the control that must hold the keyboard focus while
// the window is in the foreground (`itself` for the window itself).
struct Want {
  Shows kind;
  const wchar_t* title = nullptr;
  int focus = anyFocus;
  static constexpr int anyFocus = -0x10000, itself = 0;
};

// Thrown by a wait that finds the program showing something other than what the step waits for;
// it says what was expected and what was found.
struct Unexpected : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// How long one step may take: here a step takes well under a second, and the emulated path (Wine's
// 32-bit loader through QEMU) runs several times slower.
constexpr DWORD stepLimit = 20000;

// The one wait of the bench: until the program shows `want` in front, enabled and painted, and
// still so once its thread has answered. While it still shows one of `passing` (what the step
// leaves behind), or a window that a modal box is being opened over, it goes on waiting, until the
// program has handled all it was given; then, or as soon as the program shows anything else or
// has ended, or at the limit, it throws Unexpected naming what the program shows. Returns the
// front window (nullptr for Shows::ended).
HWND expect(const Program& program, const Want& want, std::initializer_list<HWND> passing = {},
            DWORD milliseconds = stepLimit);
DWORD exitCodeOf(const Program& program);

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
// Starts the program, waits for its splash and opens the birth-date dialog from it (through posted
// messages); false when the program cannot be started.
bool openEntry(const wchar_t* exe, Session& session, Opening by = Opening::click);
// Presses a button of the birth-date dialog and returns the box it opens, which must be `want`.
HWND openOwned(const Session& session, int id, Shows want);
HWND computeAndWait(const Session& session, Shows want);
// Presses a button of a box over the birth-date dialog, which must be back in front then.
HWND closeWith(const Session& session, HWND box, int id);
bool isMessageBox(HWND window);

// Real input, as a person's keyboard and mouse give it (SendInput): the system routes it to the
// window in the foreground and its focused control, or to the window under the pointer.
// Brings `window` to the foreground and waits until `focus` (a control id, or Want::itself) holds
// the keyboard focus there.
void takeFocus(const Program& program, HWND window, int focus);
// Presses a key (with Shift) on `focus` of `window`, once that has the focus.
void pressKey(const Program& program, HWND window, int focus, WORD key, bool shift = false);
// Types `text` into the control `focus` of `window`, once that has the focus.
void typeText(const Program& program, HWND window, int focus, const std::wstring& text);
// Clicks with the left button at a point of `window`'s client area, which must be `window` itself
// or a child of it as the system hit-tests it.
void clickAt(HWND window, POINT client);
// Clicks the middle of a control of a dialog.
void clickOn(HWND dialog, int id);

}  // namespace bench
