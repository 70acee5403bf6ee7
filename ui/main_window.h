// Start-up, the splash window and the process-wide handles every dialog uses.
#pragma once

#include <windows.h>

// The module instance handed to the entry point: dialog templates and bitmaps load through it.
extern HINSTANCE instanceHandle;
// The borderless splash window; the birth-date dialog is its owned dialog.
extern HWND mainWindow;

// Registers the window class and creates the splash window; 1 on success, 0 on failure.
int registerAndCreateMainWindow();

// Copies the whole `bitmap` onto `dc` with its top-left corner at (x, y), at its own size.
void drawBitmapAt(HDC dc, int x, int y, HBITMAP bitmap);
