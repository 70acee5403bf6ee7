# Shared by the bench and the run command: a private Wine prefix under a build directory, set up
# the same way for both, and for the bench a private Xvfb display, started and stopped by PID.
# Source it, then call wine_prefix_setup BUILD_DIR (a display of one's own) or wine_session_start
# BUILD_DIR (a virtual one).

wine_prefix_setup() {
  local build=$1
  export WINEPREFIX=$build/wineprefix
  export WINEARCH=win32  # a 32-bit prefix, even where 64-bit Wine is installed too
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i > /dev/null 2>&1 || { echo "wineboot failed"; return 1; }
  fi
  wine_prefix_fonts
  # The bench (and the programs it starts) runs inside a Wine desktop window of its own. On a bare
  # X display, with no window manager, a program whose dialogs are opened and closed hundreds of
  # times otherwise ends up stuck inside EndDialog.
  if [ ! -e "$WINEPREFIX/.bench-desktop" ]; then
    wine reg add 'HKCU\Software\Wine\AppDefaults\bench.exe\Explorer' /v Desktop /d Bench /f > /dev/null 2>&1 &&
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Bench /d 1024x768 /f > /dev/null 2>&1 &&
      touch "$WINEPREFIX/.bench-desktop"
  fi
}

# Windows' dialog font, "MS Sans Serif", is a bitmap face of one code page, and Debian's Wine loads
# none of fonts-wine's faces by itself: every face comes out as DejaVu Sans, whose dialogs are a
# sixth wider than Windows' (base units 7 x 13, not 6 x 13) and whose labels wrap. Of the faces that
# give Windows' metrics, only the Central European bitmap face (sserifee.fon) also keeps every label
# whole and draws every Czech and Slovak letter; the TrueType ones (ms_sans_serif.ttf, tahoma.ttf)
# run a pixel wider, and the Western bitmap face lacks ň, č, ě, ř, š, ž and ů. Wine loads a bitmap
# face only when the registry lists it, and lists the faces of the locale's code page only, so this
# one gets a listing of its own: then it is the one "MS Sans Serif" in a Western locale too.
#
# Wine draws the buttons of a caption (a message box's close button) with the symbol face Marlett,
# which fonts-wine brings too; without it they show letters, an "r" where the cross belongs. Wine
# loads a TrueType face from the Fonts folder without a listing.
wine_prefix_fonts() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  if [ ! -e "$fonts/sserifee.fon" ]; then
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
      /v 'MS Sans Serif 8,10,12,14,18,24 (Central European)' /d sserifee.fon /f > /dev/null 2>&1 &&
      cp /usr/share/wine/fonts/sserifee.fon "$fonts/" || return 1
  fi
  [ -e "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

wine_session_start() {
  local build=$1
  local n
  for n in $(seq 90 140); do
    [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
  WINE_SESSION_XVFB=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  wine_prefix_setup "$build"
}

wine_session_stop() {
  wineserver -k > /dev/null 2>&1 || true
  if [ -n "${WINE_SESSION_XVFB:-}" ]; then
    kill "$WINE_SESSION_XVFB" 2> /dev/null || true
    wait "$WINE_SESSION_XVFB" 2> /dev/null || true
  fi
}
