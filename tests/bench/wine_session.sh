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
  # A run that ended at another DPI leaves it set: every session starts at 96.
  if [ -e "$WINEPREFIX/.bench-dpi" ]; then wine_prefix_dpi 96 || return 1; fi
  # The bench (and the programs it starts) runs inside a Wine desktop window of its own. On a bare
  # X display, with no window manager, a program whose dialogs are opened and closed hundreds of
  # times otherwise ends up stuck inside EndDialog. It is as large as the display, which holds the
  # program at 144 DPI too.
  if [ ! -e "$WINEPREFIX/.bench-desktop-1280" ]; then
    wine reg add 'HKCU\Software\Wine\AppDefaults\bench.exe\Explorer' /v Desktop /d Bench /f > /dev/null 2>&1 &&
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Bench /d 1280x1024 /f > /dev/null 2>&1 &&
      touch "$WINEPREFIX/.bench-desktop-1280"
  fi
}

# The prefix holds the fonts a Windows of the session's locale holds. Debian's Wine 8 loads none of
# fonts-wine's faces by itself (every face would come out as DejaVu Sans, whose dialogs are a sixth
# wider than Windows'), so they go into the Fonts folder, as Wine 10 loads them by itself. Wine then
# lists the bitmap faces ("MS Sans Serif", a face of one code page) as Windows does: those of the
# locale's code page only, and from 120 DPI on the large ones (sseriff*.fon) in place of the small.
# A Western session has the Western "MS Sans Serif", which lacks ň, č, ě, ř, š, ž and ů; the program
# must ask for the letters it needs.
#
# Where Wine differs: Windows 2000 to 11 have the TrueType "Microsoft Sans Serif", made with the
# bitmap face's metrics, and map "MS Shell Dlg" to it; Wine has no such face and maps "MS Shell Dlg"
# to Tahoma. The prefix names Tahoma for "Microsoft Sans Serif" too (a Wine replacement), as Wine
# itself does for the dialog face; otherwise that name would come out as DejaVu Sans.
#
# Wine draws the buttons of a caption with the symbol face Marlett, also from fonts-wine; without it
# they show letters, an "r" where the cross belongs.
wine_prefix_fonts() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  if [ ! -e "$WINEPREFIX/.bench-fonts" ]; then
    cp -n /usr/share/wine/fonts/* "$fonts/" &&
      # A prefix made before listed the Central European bitmap face in every locale; no Windows does.
      { wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
        /v 'MS Sans Serif 8,10,12,14,18,24 (Central European)' /f > /dev/null 2>&1 || true; } &&
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft Sans Serif' /d Tahoma /f \
        > /dev/null 2>&1 &&
      touch "$WINEPREFIX/.bench-fonts" || return 1
  fi
}

# Sets the prefix's dots per inch (96, 120, 144) where Windows keeps them, for the Wine session that
# starts next: wine_session_restart after it.
wine_prefix_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f > /dev/null 2>&1 || return 1
  done
  if [ "$1" = 96 ]; then rm -f "$WINEPREFIX/.bench-dpi"; else echo "$1" > "$WINEPREFIX/.bench-dpi"; fi
}

wine_session_restart() {
  wineserver -k > /dev/null 2>&1 || true
  wineserver -w > /dev/null 2>&1 || true
}

wine_session_start() {
  local build=$1
  local n
  for n in $(seq 90 140); do
    [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
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
