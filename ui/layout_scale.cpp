// Dialog base units as the dialog manager itself converts them (MapDialogRect), and bitmaps grown
// by them.
#include "ui/layout_scale.h"

namespace {

INT_PTR CALLBACK measuringDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

LayoutScale layoutScaleOf(HWND dialog) {
  RECT units{4, 8, 0, 0};
  LayoutScale scale;
  if (MapDialogRect(dialog, &units) && units.left > 0 && units.top > 0) {
    scale.baseX = units.left;
    scale.baseY = units.top;
  }
  return scale;
}

LayoutScale layoutScaleOfTemplate(HINSTANCE instance, int templateId) {
  // The templates have no WS_VISIBLE: the copy is never shown.
  HWND copy = CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), nullptr, measuringDialogProc, 0);
  if (copy == nullptr) return {};
  const LayoutScale scale = layoutScaleOf(copy);
  DestroyWindow(copy);
  return scale;
}

HBITMAP loadScaledBitmap(HINSTANCE instance, int bitmapId, const LayoutScale& scale) {
  if (scale.unchanged()) return LoadBitmapW(instance, MAKEINTRESOURCEW(bitmapId));
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP size{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof size, &size) == 0) return bitmap;
  HBITMAP scaled = static_cast<HBITMAP>(
      CopyImage(bitmap, IMAGE_BITMAP, scale.x(size.bmWidth), scale.y(size.bmHeight), LR_COPYDELETEORG));
  return scaled != nullptr ? scaled : bitmap;
}
