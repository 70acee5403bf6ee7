// Which face a control's text is drawn in: each listed face draws the text in this process, and
// the one whose ink matches the screen's, pixel for pixel, is the control's.
#include "tests/bench/faces.h"

#include <algorithm>
#include <cstdio>

#include "tests/bench/driver.h"

namespace bench {

namespace {

int CALLBACK noteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
  auto& faces = *reinterpret_cast<std::vector<LOGFONTW>*>(list);
  if (font->lfFaceName[0] != L'@') faces.push_back(*font);
  return 1;
}

// The ink of a text, cropped to where it lies: a pixel is ink when it is nearer the darkest colour
// of the area than the lightest, which holds for soft (antialiased) edges on any two colours.
struct Ink {
  int width = 0, height = 0;
  std::vector<char> dots;
  int count() const { return static_cast<int>(std::count(dots.begin(), dots.end(), 1)); }
};

int brightness(DWORD pixel) {
  return (((pixel >> 16) & 0xFF) * 30 + ((pixel >> 8) & 0xFF) * 59 + (pixel & 0xFF) * 11) / 100;
}

Ink inkOf(const DWORD* pixels, int width, int height) {
  int darkest = 255, lightest = 0;
  for (int i = 0; i < width * height; ++i) {
    darkest = std::min(darkest, brightness(pixels[i]));
    lightest = std::max(lightest, brightness(pixels[i]));
  }
  Ink ink;
  if (lightest - darkest < 48) return ink;
  const int middle = (darkest + lightest) / 2;
  RECT bounds{width, height, 0, 0};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (brightness(pixels[y * width + x]) < middle) {
        bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                  std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
      }
  if (bounds.right <= bounds.left) return ink;
  ink.width = bounds.right - bounds.left;
  ink.height = bounds.bottom - bounds.top;
  for (int y = bounds.top; y < bounds.bottom; ++y)
    for (int x = bounds.left; x < bounds.right; ++x)
      ink.dots.push_back(brightness(pixels[y * width + x]) < middle ? 1 : 0);
  return ink;
}

Ink inkOnScreen(const ShownText& shown, const Capture& shot) {
  const int width = shown.box.right - shown.box.left, height = shown.box.bottom - shown.box.top;
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = shot.at(shown.box.left + x, shown.box.top + y);
      pixels[static_cast<size_t>(y) * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  return inkOf(pixels.data(), width, height);
}

Ink inkDrawn(const ShownText& shown, const LOGFONTW& face) {
  // A line is drawn with room to spare: where it starts on the screen does not count.
  const int width = shown.box.right - shown.box.left + (shown.oneLine ? 64 : 0);
  const int height = shown.box.bottom - shown.box.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HFONT font = CreateFontIndirectW(&face);
  HGDIOBJ previousBitmap = SelectObject(dc, section), previousFont = SelectObject(dc, font);
  std::fill_n(static_cast<DWORD*>(bits), static_cast<size_t>(width) * height, 0x00FFFFFFu);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT area{0, 0, width, height};
  if (!shown.at.empty())
    for (size_t i = 0; i < shown.text.size() && i < shown.at.size(); ++i)
      TextOutW(dc, shown.at[i] + 1, 0, &shown.text[i], 1);
  else if (shown.oneLine)
    TextOutW(dc, 1, 0, shown.text.c_str(), static_cast<int>(shown.text.size()));
  else
    DrawTextW(dc, shown.text.c_str(), -1, &area, shown.format);
  GdiFlush();
  Ink ink = inkOf(static_cast<const DWORD*>(bits), width, height);
  SelectObject(dc, previousFont);
  SelectObject(dc, previousBitmap);
  DeleteObject(font);
  DeleteObject(section);
  DeleteDC(dc);
  return ink;
}

bool same(const Ink& a, const Ink& b) {
  return a.width == b.width && a.height == b.height && a.width > 0 && a.dots == b.dots;
}

}  // namespace

std::vector<LOGFONTW> listedFaces(const LOGFONTW& like) {
  std::vector<LOGFONTW> listed;
  LOGFONTW all{};
  all.lfCharSet = DEFAULT_CHARSET;
  HDC dc = CreateCompatibleDC(nullptr);
  EnumFontFamiliesExW(dc, &all, noteFace, reinterpret_cast<LPARAM>(&listed), 0);
  DeleteDC(dc);
  std::vector<LOGFONTW> faces;
  const LONG height = std::abs(like.lfHeight);
  for (LONG h = height; h * 4 >= height * 3; --h)
    for (const LOGFONTW& face : listed) {
      LOGFONTW font = like;
      font.lfHeight = like.lfHeight < 0 ? -h : h;
      font.lfCharSet = face.lfCharSet;
      lstrcpynW(font.lfFaceName, face.lfFaceName, LF_FACESIZE);
      faces.push_back(font);
    }
  return faces;
}

const LOGFONTW* faceShown(const ShownText& shown, const Capture& shot, const std::vector<LOGFONTW>& faces,
                          const LOGFONTW* first) {
  const Ink seen = inkOnScreen(shown, shot);
  if (seen.count() == 0) return nullptr;
  if (first != nullptr && same(seen, inkDrawn(shown, *first))) return first;
  for (const LOGFONTW& face : faces)
    if (same(seen, inkDrawn(shown, face))) return &face;
  return nullptr;
}

std::string describeFace(const LOGFONTW& face) {
  char text[128];
  std::snprintf(text, sizeof text, "\"%s\", charset %d, %ld px", toUtf8(face.lfFaceName).c_str(),
                face.lfCharSet, std::abs(face.lfHeight));
  return text;
}

}  // namespace bench
