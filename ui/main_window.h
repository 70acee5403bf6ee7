// The process-wide handle every dialog uses; start-up and the splash window are main_window.cpp's own.
#pragma once

#include <windows.h>

// The module instance handed to the entry point: dialog templates and bitmaps load through it.
extern HINSTANCE instanceHandle;
