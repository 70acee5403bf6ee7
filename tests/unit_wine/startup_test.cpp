// The shell's entry point in this process: a start whose window class or window cannot be made
// must end with a failure code, not with the 0 of a program that ran and was closed.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

const wchar_t mainClassName[] = L"WinAPIMainClass";

int runWinMain() { return WinMain(GetModuleHandleW(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); }

LRESULT CALLBACK refuseEveryWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) return 1;  // creation fails
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(StartUp, FailsWhenTheWindowClassCannotBeRegistered) {
  WNDCLASSEXW taken{};
  taken.cbSize = sizeof taken;
  taken.lpfnWndProc = DefWindowProcW;
  taken.hInstance = GetModuleHandleW(nullptr);
  taken.lpszClassName = mainClassName;
  ASSERT_NE(RegisterClassExW(&taken), 0);
  EXPECT_NE(runWinMain(), 0);
  UnregisterClassW(mainClassName, GetModuleHandleW(nullptr));
}

TEST(StartUp, FailsWhenTheWindowCannotBeCreated) {
  HHOOK hook = SetWindowsHookExW(WH_CBT, refuseEveryWindow, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  EXPECT_NE(runWinMain(), 0);
  UnhookWindowsHookEx(hook);
  UnregisterClassW(mainClassName, GetModuleHandleW(nullptr));
}

TEST(StartUp, ReturnsTheQuitCodeWhenItRan) {
  PostQuitMessage(0);  // the loop ends at its first message
  EXPECT_EQ(runWinMain(), 0);
  HWND splash = FindWindowW(mainClassName, nullptr);
  EXPECT_NE(splash, nullptr);
  DestroyWindow(splash);
  UnregisterClassW(mainClassName, GetModuleHandleW(nullptr));
}

}  // namespace
