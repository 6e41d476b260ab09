#!/usr/bin/env bash
# Builds the 64-bit Windows program and runs it under Wine.
#   bash scripts/run.sh            the edition recorded in build/win64/edition.txt (static when none)
#   bash scripts/run.sh dynamic    records the dynamic edition first (or: static)
# With DISPLAY set the window opens on your display. Without one the program
# runs on a private Xvfb display: the script says so, writes a screenshot of
# the screen and ends the program again.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"

exe="$root/build/win64/Rovanta.exe"
case "${1:-}" in
  static|dynamic) echo "$1" > "$root/build/win64/edition.txt" ;;
  "") ;;
  *) echo "usage: bash scripts/run.sh [static|dynamic]" >&2; exit 2 ;;
esac

wine=""
for w in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
  if [ -n "$w" ] && [ -x "$w" ]; then wine="$w"; break; fi
done
[ -n "$wine" ] || { echo "wine64 is missing (bash scripts/setup.sh installs it)" >&2; exit 1; }
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

export WINEPREFIX="$root/build/wine-run-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  exec 3< <(Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>&1 2>/dev/null & echo "pid $!")
  read -r _ xvfb_pid <&3
  read -r number <&3
  export DISPLAY=":$number"
  echo "No DISPLAY set: running on a private Xvfb display $DISPLAY"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing the Wine prefix $WINEPREFIX (once)"
  "$wine" wineboot -i >/dev/null 2>&1
  # Menus and captions get a CJK face; without a window manager Wine draws
  # the window frames itself.
  "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wineserver" -w
fi

if [ -z "$xvfb_pid" ]; then
  "$wine" "$exe"
  exit $?
fi

"$wine" "$exe" &
program=$!
shot="$root/build/win64/rovanta-screenshot.png"
for _ in $(seq 1 60); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"rovanta.exe"'; then break; fi
  sleep 0.5
done
sleep 2
import -window root -crop 1280x1024+0+0 "$shot"
echo "Screenshot of the program: $shot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
