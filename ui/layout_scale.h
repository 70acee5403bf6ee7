// How much larger than on the 96-DPI screen they were drawn for the dialogs come out, so that what
// is drawn in pixels beside and inside them can grow as much.
#pragma once

#include <windows.h>

// Windows scales a dialog by its font's base units: 6 x 13 for "MS Sans Serif" 8 pt at 96 DPI, what
// the pixel constants (the splash's size, its artwork and captions, the dialogs' bitmaps) were made
// for. Larger fonts (120 DPI: 8 x 16) make larger dialogs.
struct LayoutScale {
  static constexpr int baseX96 = 6, baseY96 = 13;
  int baseX = baseX96, baseY = baseY96;
  int x(int pixels96) const { return MulDiv(pixels96, baseX, baseX96); }
  int y(int pixels96) const { return MulDiv(pixels96, baseY, baseY96); }
  bool unchanged() const { return baseX == baseX96 && baseY == baseY96; }
};

// The scale of a dialog that exists.
LayoutScale layoutScaleOf(HWND dialog);
// The scale the dialog of template `templateId` will have: measured on a hidden copy of it.
LayoutScale layoutScaleOfTemplate(HINSTANCE instance, int templateId);

// Bitmap resource `bitmapId` at the size `scale` gives it; the caller deletes it.
HBITMAP loadScaledBitmap(HINSTANCE instance, int bitmapId, const LayoutScale& scale);
