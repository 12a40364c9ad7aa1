# shellcheck shell=bash
# Wine environment for running Orvane.exe and the Windows test driver. Source it:
#   source scripts/wine-env.sh
#   orvane_display      # a usable X display: $DISPLAY, or an Xvfb screen of our own
#   orvane_wine_prefix  # the prefix under build/, made once
#   orvane_wine PROGRAM.exe ARGS...
# An Xvfb started here is ended when the sourcing shell exits.
#
# Two modes. win32 (the product's own architecture): the i686 build in build/win32,
# the 32-bit prefix build/wineprefix and the `wine` command. win64, for kernels that
# cannot run 32-bit programs (then no wine32 loader runs): the x86_64 build of the same
# sources in build/win64, the 64-bit prefix build/wineprefix64 and the wine64 loader.
# ORVANE_WINE_ARCH=win32|win64 chooses; unset, the mode is detected when sourced.
# After sourcing: ORVANE_WINE_ARCH, ORVANE_WINE_REASON (why), ORVANE_WIN_BUILD and
# ORVANE_WIN_TOOLCHAIN (the build directory and toolchain file of that mode),
# ORVANE_WINE and ORVANE_WINESERVER (the commands), WINEARCH and WINEPREFIX.

ORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ORVANE_ROOT
export WINEDEBUG=-all

ORVANE_WINE32_LOADER=/usr/lib/wine/wine
ORVANE_WINE64_LOADER=/usr/lib/wine/wine64

# True when the 32-bit Wine loader runs on this machine.
orvane_wine32_runs() {
  [[ -x $ORVANE_WINE32_LOADER ]] && "$ORVANE_WINE32_LOADER" --version >/dev/null 2>&1
}

# True when this kernel runs 32-bit x86 programs at all (the 32-bit dynamic loader runs).
orvane_kernel_runs_32bit() {
  local ld
  for ld in /lib/ld-linux.so.2 /usr/lib/i386-linux-gnu/ld-linux.so.2; do
    if [[ -x $ld ]]; then
      "$ld" --version >/dev/null 2>&1
      return
    fi
  done
  # No 32-bit loader installed: ask the 32-bit Wine loader instead.
  orvane_wine32_runs
}

if [[ -n ${ORVANE_WINE_ARCH:-} ]]; then
  case $ORVANE_WINE_ARCH in
    win32) ORVANE_WINE_REASON="ORVANE_WINE_ARCH=win32 is set: end-to-end tests run the 32-bit build under wine" ;;
    win64) ORVANE_WINE_REASON="ORVANE_WINE_ARCH=win64 is set: end-to-end tests run a 64-bit build under wine64" ;;
    *)
      echo "wine-env: ORVANE_WINE_ARCH must be win32 or win64, not '$ORVANE_WINE_ARCH'" >&2
      return 1
      ;;
  esac
elif orvane_wine32_runs; then
  ORVANE_WINE_ARCH=win32
  ORVANE_WINE_REASON="32-bit programs run here: end-to-end tests run the 32-bit build under wine"
elif ! orvane_kernel_runs_32bit; then
  ORVANE_WINE_ARCH=win64
  ORVANE_WINE_REASON="this kernel cannot run 32-bit programs: end-to-end tests run a 64-bit build under wine64"
else
  ORVANE_WINE_ARCH=win64
  ORVANE_WINE_REASON="the 32-bit Wine loader ($ORVANE_WINE32_LOADER, package wine32:i386) does not run: end-to-end tests run a 64-bit build under wine64"
fi
export ORVANE_WINE_ARCH ORVANE_WINE_REASON
export WINEARCH=$ORVANE_WINE_ARCH

if [[ $ORVANE_WINE_ARCH == win32 ]]; then
  ORVANE_WIN_BUILD=$ORVANE_ROOT/build/win32
  ORVANE_WIN_TOOLCHAIN=$ORVANE_ROOT/cmake/mingw-i686.cmake
  export WINEPREFIX="${ORVANE_WINEPREFIX:-$ORVANE_ROOT/build/wineprefix}"
  ORVANE_WINE=wine
  ORVANE_WINESERVER=wineserver
else
  ORVANE_WIN_BUILD=$ORVANE_ROOT/build/win64
  ORVANE_WIN_TOOLCHAIN=$ORVANE_ROOT/cmake/mingw-x86_64.cmake
  export WINEPREFIX="${ORVANE_WINEPREFIX:-$ORVANE_ROOT/build/wineprefix64}"
  # The `wine` wrapper would exec the 32-bit loader whenever wine32 is installed.
  if [[ -x $ORVANE_WINE64_LOADER ]]; then
    ORVANE_WINE=$ORVANE_WINE64_LOADER
  else
    ORVANE_WINE=wine64
  fi
  if [[ -x /usr/lib/wine/wineserver64 ]]; then
    ORVANE_WINESERVER=/usr/lib/wine/wineserver64
  else
    ORVANE_WINESERVER=wineserver
  fi
  # Processes that Wine starts itself use the same loader and server.
  export WINELOADER=$ORVANE_WINE
  if [[ $ORVANE_WINESERVER == /* ]]; then
    export WINESERVER=$ORVANE_WINESERVER
  fi
fi
export ORVANE_WIN_BUILD ORVANE_WIN_TOOLCHAIN ORVANE_WINE ORVANE_WINESERVER

orvane_wine() { "$ORVANE_WINE" "$@"; }
orvane_wineserver() { "$ORVANE_WINESERVER" "$@"; }

ORVANE_CJK_FONT=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
ORVANE_XVFB_PID=

orvane_wine_cleanup() {
  if [[ -n $ORVANE_XVFB_PID ]]; then
    # Let Wine's own helper processes end before their X server goes away.
    timeout 15 "$ORVANE_WINESERVER" -w 2>/dev/null || true
    kill "$ORVANE_XVFB_PID" 2>/dev/null || true
    wait "$ORVANE_XVFB_PID" 2>/dev/null || true
    ORVANE_XVFB_PID=
  fi
}

orvane_display_usable() {
  [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1
}

# Keeps a usable $DISPLAY, or starts an Xvfb screen of 1024x768x24 and exports its DISPLAY.
orvane_display() {
  if orvane_display_usable; then
    return 0
  fi
  local fdfile
  fdfile=$(mktemp)
  # -displayfd lets the server pick a free display number and tell us which.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  ORVANE_XVFB_PID=$!
  trap orvane_wine_cleanup EXIT
  trap 'exit 130' INT TERM
  local i
  for ((i = 0; i < 200; i++)); do
    if [[ -s $fdfile ]]; then
      DISPLAY=":$(head -n1 "$fdfile")"
      export DISPLAY
      if orvane_display_usable; then
        rm -f "$fdfile"
        return 0
      fi
    fi
    if ! kill -0 "$ORVANE_XVFB_PID" 2>/dev/null; then
      break
    fi
    sleep 0.05
  done
  rm -f "$fdfile"
  echo "wine-env: could not start Xvfb" >&2
  orvane_wine_cleanup
  return 1
}

orvane_make_prefix() {
  echo "wine-env: creating the Wine prefix $WINEPREFIX ($WINEARCH, once)"
  case $WINEPREFIX in /|"") return 1 ;; esac
  rm -rf "$WINEPREFIX"
  # No Mono or Gecko installer dialogs while booting the prefix.
  # (A 64-bit prefix also reports that syswow64\rundll32.exe cannot start: there is no
  # 32-bit loader, and nothing here needs it.)
  WINEDLLOVERRIDES="mscoree,mshtml=" orvane_wine wineboot.exe -i
  orvane_wineserver -w

  # Chinese texts in the dialog fonts: link them to the CJK font.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  ln -sf "$ORVANE_CJK_FONT" "$fonts/wqy-microhei.ttc"
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  local face
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
    orvane_wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null
  done
  orvane_wineserver -w
  touch "$WINEPREFIX/.orvane-ready"
}

# Makes the prefix when it is missing or was left half made.
orvane_wine_prefix() {
  if [[ ! -f $ORVANE_CJK_FONT ]]; then
    echo "wine-env: missing $ORVANE_CJK_FONT (fonts-wqy-microhei)" >&2
    return 1
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [[ ! -f $WINEPREFIX/.orvane-ready ]]; then
      orvane_make_prefix
    fi
  ) 9>"$WINEPREFIX.lock"
}
