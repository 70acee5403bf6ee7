// The least a Windows program can do to show a window: the yardstick for the splash's cold start.
#include "tests/bench/minimal_window.h"

LRESULT CALLBACK minimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = minimalWindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = CreateSolidBrush(minimalWindowColour);
  windowClass.lpszClassName = L"MinimalWindow";
  RegisterClassExW(&windowClass);
  CreateWindowExW(0, L"MinimalWindow", L"Minimal", WS_POPUPWINDOW | WS_VISIBLE, 100, 150, 550, 350, nullptr,
                  nullptr, instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
