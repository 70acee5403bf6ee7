# Shared by the bench and the run command: a private Xvfb display and Wine prefix under a build
# directory, started and stopped by PID. Source it, then call wine_session_start BUILD_DIR.

wine_session_start() {
  local build=$1
  export WINEPREFIX=$build/wineprefix
  export WINEARCH=win32  # a 32-bit prefix, even where 64-bit Wine is installed too
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
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
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i > /dev/null 2>&1 || { echo "wineboot failed"; return 1; }
  fi
  # The bench (and the programs it starts) runs inside a Wine desktop window of its own. On a bare
  # X display, with no window manager, a program whose dialogs are opened and closed hundreds of
  # times otherwise ends up stuck inside EndDialog.
  if [ ! -e "$WINEPREFIX/.bench-desktop" ]; then
    wine reg add 'HKCU\Software\Wine\AppDefaults\bench.exe\Explorer' /v Desktop /d Bench /f > /dev/null 2>&1 &&
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Bench /d 1024x768 /f > /dev/null 2>&1 &&
      touch "$WINEPREFIX/.bench-desktop"
  fi
}

wine_session_stop() {
  wineserver -k > /dev/null 2>&1 || true
  if [ -n "${WINE_SESSION_XVFB:-}" ]; then
    kill "$WINE_SESSION_XVFB" 2> /dev/null || true
    wait "$WINE_SESSION_XVFB" 2> /dev/null || true
  fi
}
