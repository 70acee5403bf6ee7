// The bench's tools for working a Windows program from outside: start it, find its windows,
// read the screen and count its GDI objects.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Counts checks and prints each result; the total decides the exit code. A run of the bench is one
// suite, so the counts are the run's: a suite cut short still reports what it had checked.
struct Checks {
  static inline int passed = 0;
  static inline int failed = 0;
  bool check(bool condition, const char* what, const std::string& detail = {});
  int finish(const char* suite) const;
};

// A started program; ended when it goes out of scope, so that a step that fails leaves nothing
// running for the next.
struct Program {
  PROCESS_INFORMATION process{};
  double startedAt = 0;  // seconds on the performance counter
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program();
};

double now();
// What is left of the time until `deadline` (a now() value), in milliseconds; 0 once it is past.
DWORD millisecondsUntil(double deadline);
bool start(const wchar_t* exe, Program& program);
// Waits for the program to end; true with its exit code when it did within the time.
bool waitForExit(Program& program, DWORD milliseconds, DWORD& exitCode);
void stop(Program& program);

// The program's shown top-level window of that class, polled for up to `milliseconds`; null at
// once when the program ends.
HWND findWindow(const Program& program, const wchar_t* className, DWORD milliseconds);

// How long a freshly started program may take to show itself. The first start in a new Wine prefix
// is slow (Wine builds its font cache while the program paints for the first time): a window that
// takes seconds there is not a fault, one that never comes is.
constexpr DWORD firstStartLimit = 90000;

std::vector<HWND> topLevelWindows(DWORD processId);

// A copy of a rectangle of the screen, 32 bits per pixel, top-down.
struct Capture {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<DWORD> pixels;        // 0x00RRGGBB
  COLORREF at(int x, int y) const;  // screen coordinates
  bool saveBmp(const std::wstring& path) const;
};
Capture captureScreen(const RECT& rect);
Capture captureWindow(HWND window);
std::string colourText(COLORREF colour);

// The pixels of a bitmap resource of another module, top-down, 0x00RRGGBB.
struct Bitmap {
  int width = 0, height = 0;
  std::vector<DWORD> pixels;
  COLORREF at(int x, int y) const;
};
bool loadBitmapResource(const wchar_t* module, int id, Bitmap& bitmap);

// Live GDI objects of a process, read from its GDI handle table.
int gdiObjectCount(HANDLE process);

std::wstring windowText(HWND window);
std::wstring className(HWND window);

}  // namespace bench
