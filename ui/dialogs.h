// The three dialogs: birth-date entry, result and About.
#pragma once

#include <windows.h>

// The birth-date dialog's brush for itself and its static controls; the About box paints its
// static controls with it too, and it exists whenever the About box is open.
extern HBRUSH birthDateDialogBrush;

INT_PTR CALLBACK birthDateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK resultDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
