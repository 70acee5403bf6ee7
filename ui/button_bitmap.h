// The face of a bitmap button, which every dialog sets on its buttons.
#pragma once

#include <windows.h>

// Puts the bitmap resource `bitmapId` on button `buttonId` of `dialog`; returns the bitmap, which
// the dialog deletes when it is destroyed.
HBITMAP setButtonBitmap(HWND dialog, int buttonId, int bitmapId);
