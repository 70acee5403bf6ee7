// The program's colours, each named once: the splash, the dialogs, the bench and the release check
// take them from here, and draw_artwork.py reads its backgrounds from here too.
#pragma once

#include <windows.h>

namespace palette {

// Every background: the splash, the dialogs, the fields and the list.
inline constexpr COLORREF background = RGB(250, 241, 232);
// Behind static text, and the About box's own background.
inline constexpr COLORREF staticBackground = RGB(253, 236, 215);
// The text typed into the fields, and the list's entries.
inline constexpr COLORREF entryText = RGB(76, 76, 76);
// The publisher's address on the splash.
inline constexpr COLORREF publisherCaption = RGB(206, 31, 31);
// Labels, the splash's other captions and the result's title.
inline constexpr COLORREF ink = RGB(0, 0, 0);

}  // namespace palette
