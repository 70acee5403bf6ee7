// The colour the bench's yardstick window paints, which the cold-start measurement waits for.
#pragma once

#include <windows.h>

inline constexpr COLORREF minimalWindowColour = RGB(20, 160, 90);
