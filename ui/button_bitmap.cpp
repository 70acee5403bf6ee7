// The face of a bitmap button, loaded from the program's resources.
#include "ui/button_bitmap.h"

#include "ui/layout_scale.h"
#include "ui/main_window.h"

HBITMAP setButtonBitmap(HWND dialog, int buttonId, int bitmapId) {
  HBITMAP bitmap = loadScaledBitmap(instanceHandle, bitmapId, layoutScaleOf(dialog));
  SendDlgItemMessageW(dialog, buttonId, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  return bitmap;
}
