# shellcheck shell=bash
# Wine environment for running Orvane.exe and the Windows test driver. Source it:
#   source scripts/wine-env.sh
#   orvane_display      # a usable X display: $DISPLAY, or an Xvfb screen of our own
#   orvane_wine_prefix  # the 32-bit prefix under build/, made once
# An Xvfb started here is ended when the sourcing shell exits.

ORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ORVANE_ROOT
export WINEPREFIX="${ORVANE_WINEPREFIX:-$ORVANE_ROOT/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all

ORVANE_CJK_FONT=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
ORVANE_XVFB_PID=

orvane_wine_cleanup() {
  if [[ -n $ORVANE_XVFB_PID ]]; then
    # Let Wine's own helper processes end before their X server goes away.
    timeout 15 wineserver -w 2>/dev/null || true
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
  echo "wine-env: creating the Wine prefix $WINEPREFIX (once)"
  case $WINEPREFIX in /|"") return 1 ;; esac
  rm -rf "$WINEPREFIX"
  # No Mono or Gecko installer dialogs while booting the prefix.
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i
  wineserver -w

  # Chinese texts in the dialog fonts: link them to the CJK font.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  ln -sf "$ORVANE_CJK_FONT" "$fonts/wqy-microhei.ttc"
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  local face
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
    wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null
  done
  wineserver -w
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
