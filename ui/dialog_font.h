// The face the dialogs draw their Czech and Slovak texts in, whatever the system's locale.
#pragma once

#include <windows.h>

// Gives every control of `dialog` a font that holds every letter of code page 1250, unless the
// dialog's own font holds them already (as on a Central European Windows, where nothing changes).
// Returns the font it made, or null; the dialog deletes it when it is destroyed.
HFONT useCentralEuropeanFont(HWND dialog);
