#!/usr/bin/env bash
# Builds the 64-bit Windows program and the sandbox provider, starts the
# provider on 127.0.0.1 and then the program under Wine in sandbox mode.
#   bash scripts/run.sh            the edition recorded in build/win64/edition.txt (static when none)
#   bash scripts/run.sh dynamic    records the dynamic edition first (or: static)
# With DISPLAY set the window opens on your display; the provider ends when
# the program does. Without a display the program runs on a private Xvfb
# display: the script says so, writes a screenshot of the screen and ends
# the program again. Nothing is left running either way.
#   ROVANTA_SANDBOX_PORT=N         the provider's port (default 18780; the
#                                  program reads it from build/win64/sandbox.ini)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs"
cmake --preset host-release >/dev/null
cmake --build --preset host-release -j "$jobs" --target rovanta-sandbox

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
provider_pid=""
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  "$wineserver" -k 2>/dev/null || true
  if [ -n "$provider_pid" ]; then kill "$provider_pid" 2>/dev/null || true; wait "$provider_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The sandbox provider: its VPN service on the port, its IP-echo sites on the
# three ports after it. The program finds it through sandbox.ini (or its
# built-in default, the same port 18780).
ini="$root/build/win64/sandbox.ini"
port=18780
if [ -n "${ROVANTA_SANDBOX_PORT:-}" ]; then
  port="$ROVANTA_SANDBOX_PORT"
  printf '[Sandbox]\r\nEnabled=1\r\nProvider=http://127.0.0.1:%s\r\n' "$port" > "$ini"
elif [ -f "$ini" ]; then
  # A sandbox.ini of your own stays as it is; the provider takes its port.
  found=$(sed -n 's|^[[:space:]]*[Pp]rovider[[:space:]]*=[[:space:]]*http://127\.0\.0\.1:\([0-9][0-9]*\).*|\1|p' "$ini" | head -n 1)
  port="${found:-18780}"
fi
provider_log="$root/build/win64/sandbox-provider.log"
"$root/build/host-release/rovanta-sandbox" --port "$port" --no-stdin > "$provider_log" 2>&1 &
provider_pid=$!
for _ in $(seq 1 100); do
  grep -q '^ready' "$provider_log" 2>/dev/null && break
  kill -0 "$provider_pid" 2>/dev/null || { cat "$provider_log" >&2; provider_pid=""; exit 1; }
  sleep 0.1
done
grep -q '^ready' "$provider_log" || { echo "the sandbox provider did not start" >&2; exit 1; }
echo "Sandbox provider on http://127.0.0.1:$port (account: user demo, password demo123; log: $provider_log)"

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

"$wine" "$exe" &
program_pid=$!
if [ -z "$xvfb_pid" ]; then
  # Ending the program ends the script, and with it the provider.
  status=0
  wait "$program_pid" || status=$?
  program_pid=""
  exit "$status"
fi

shot="$root/build/win64/rovanta-screenshot.png"
echo "Writing a screenshot of the program to $shot"
for _ in $(seq 1 60); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"rovanta.exe"'; then break; fi
  sleep 0.5
done
sleep 2
import -window root -crop 1280x1024+0+0 "$shot"
echo "Screenshot of the program: $shot"
