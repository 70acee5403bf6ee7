// The bench's tools for working a Windows program from outside.
#include "tests/bench/bench_support.h"

#include <winternl.h>

#include <algorithm>
#include <cstdio>

namespace bench {

bool Checks::check(bool condition, const char* what, const std::string& detail) {
  if (condition) {
    ++passed;
    std::printf("  ok    %s\n", what);
  } else {
    ++failed;
    std::printf("  FAIL  %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
  }
  std::fflush(stdout);
  return condition;
}

int Checks::finish(const char* suite) const {
  std::printf("%s: %d passed, %d failed\n", suite, passed, failed);
  return failed == 0 ? 0 : 1;
}

double now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool start(const wchar_t* exe, Program& program) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
  program.startedAt = now();
  return CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &program.process) != 0;
}

bool waitForExit(Program& program, DWORD milliseconds, DWORD& exitCode) {
  if (WaitForSingleObject(program.process.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(program.process.hProcess, &exitCode);
  return true;
}

Program::~Program() { stop(*this); }

void stop(Program& program) {
  if (program.process.hProcess == nullptr) return;
  if (WaitForSingleObject(program.process.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(program.process.hProcess, 99);
    WaitForSingleObject(program.process.hProcess, 5000);
  }
  CloseHandle(program.process.hThread);
  CloseHandle(program.process.hProcess);
  program.process = {};
}

namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD millisecondsUntil(double deadline) {
  return static_cast<DWORD>(std::max(0.0, deadline - now()) * 1000);
}

HWND findWindow(const Program& program, const wchar_t* wanted, DWORD milliseconds) {
  const double deadline = now() + milliseconds / 1000.0;
  do {
    // A window is there for a person once it is shown; until then it is still being created.
    for (HWND window : topLevelWindows(program.process.dwProcessId))
      if (className(window) == wanted && IsWindowVisible(window)) return window;
    if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0) return nullptr;
    Sleep(5);
  } while (now() < deadline);
  return nullptr;
}

COLORREF Capture::at(int x, int y) const {
  x -= left;
  y -= top;
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const DWORD p = pixels[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool Capture::saveBmp(const std::wstring& path) const {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = -height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  const DWORD bytes = static_cast<DWORD>(pixels.size() * sizeof(DWORD));
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + bytes;
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
            WriteFile(out, &info, sizeof info, &written, nullptr) &&
            WriteFile(out, pixels.data(), bytes, &written, nullptr);
  CloseHandle(out);
  return ok;
}

Capture captureScreen(const RECT& rect) {
  Capture capture;
  capture.left = rect.left;
  capture.top = rect.top;
  capture.width = rect.right - rect.left;
  capture.height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, section);
  BitBlt(memory, 0, 0, capture.width, capture.height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const DWORD*>(bits);
  capture.pixels.assign(source, source + static_cast<size_t>(capture.width) * capture.height);
  for (DWORD& p : capture.pixels) p &= 0x00FFFFFF;
  SelectObject(memory, previous);
  DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

Capture captureWindow(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return captureScreen(rect);
}

std::string colourText(COLORREF colour) {
  char text[32];
  std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

COLORREF Bitmap::at(int x, int y) const {
  const DWORD p = pixels[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool loadBitmapResource(const wchar_t* modulePath, int id, Bitmap& bitmap) {
  HMODULE module = LoadLibraryExW(modulePath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return false;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));  // RT_BITMAP
  bool ok = false;
  if (found != nullptr) {
    const auto* info = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found)));
    if (info != nullptr && info->biBitCount == 24 && info->biCompression == BI_RGB) {
      bitmap.width = info->biWidth;
      bitmap.height = info->biHeight > 0 ? info->biHeight : -info->biHeight;
      const bool bottomUp = info->biHeight > 0;
      const int stride = (bitmap.width * 3 + 3) & ~3;
      const auto* rows = reinterpret_cast<const BYTE*>(info) + info->biSize;
      bitmap.pixels.resize(static_cast<size_t>(bitmap.width) * bitmap.height);
      for (int y = 0; y < bitmap.height; ++y) {
        const BYTE* row = rows + static_cast<size_t>(bottomUp ? bitmap.height - 1 - y : y) * stride;
        for (int x = 0; x < bitmap.width; ++x)
          bitmap.pixels[static_cast<size_t>(y) * bitmap.width + x] =
              (row[x * 3 + 2] << 16) | (row[x * 3 + 1] << 8) | row[x * 3];
      }
      ok = true;
    }
  }
  FreeLibrary(module);
  return ok;
}

int gdiObjectCount(HANDLE process) {
  using QueryInformation = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  static const auto query = reinterpret_cast<QueryInformation>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
    return -1;
  DWORD table = 0;  // the 32-bit PEB's GdiSharedHandleTable
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0x94, &table,
                         sizeof table, &read) ||
      table == 0)
    return -1;
  constexpr size_t entrySize = 24;
  constexpr size_t entries = 0x10000;
  // One read of the committed part of the table: Wine reads another process's memory by stopping
  // it for a moment, and every such stop is a chance to disturb a program that is waiting on the
  // system, so the bench stops it as seldom as it can.
  MEMORY_BASIC_INFORMATION region{};
  if (VirtualQueryEx(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(table)), &region,
                     sizeof region) == 0)
    return -1;
  const size_t committed = std::min<size_t>(entrySize * entries, region.RegionSize);
  std::vector<BYTE> handles(committed);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<uintptr_t>(table)),
                         handles.data(), committed, &read))
    return -1;
  int live = 0;
  for (size_t e = 0; e + entrySize <= read; e += entrySize)
    if (handles[e + 14] != 0) ++live;
  return live;
}

std::wstring windowText(HWND window) {
  wchar_t text[512] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      nullptr);
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

}  // namespace bench
