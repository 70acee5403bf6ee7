// Which face a control's text is drawn in, read from what the screen shows: no handle of the
// program's own fonts can be used from another process, but its pixels can.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/bench/bench_support.h"

namespace bench {

// A text as a control drew it: in `box` (screen coordinates), with DrawTextW's `format` in a box of
// that width, or on one line (`oneLine`) wherever it starts; each character at its own place from the
// line's start when the control says where (`at`: an edit lays out its lines itself).
struct ShownText {
  std::wstring text;
  RECT box{};
  UINT format = 0;
  bool oneLine = false;
  std::vector<int> at;
};

// Every face the system lists, in every character set it lists it in, at the height of `like`
// and a little smaller (down to three quarters), the rest of `like` kept.
std::vector<LOGFONTW> listedFaces(const LOGFONTW& like);

// The first of `faces` that draws exactly the ink `shot` shows of `shown` (trying `first` before
// the rest, when given), or null. A letter taken from a fallback face (font linking) is drawn the
// same way by the face found, so whether that face holds every letter must be asked of it.
const LOGFONTW* faceShown(const ShownText& shown, const Capture& shot, const std::vector<LOGFONTW>& faces,
                          const LOGFONTW* first = nullptr);

std::string describeFace(const LOGFONTW& face);

}  // namespace bench
