#!/usr/bin/env bash
# Runs a command on an X server of its own: a fresh Xvfb display (never the user's), with
# the openbox window manager when asked, and its own D-Bus session for the accessibility bus.
#   tests/desktop/on-x-server.sh [--wm] COMMAND [ARGS...]
# The command's exit status is the script's; the server and the manager end with it.
set -euo pipefail

wm=0
if [ "${1:-}" = --wm ]; then
  wm=1
  shift
fi
(($#)) || { echo "usage: $0 [--wm] COMMAND [ARGS...]" >&2; exit 2; }
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 1; }
done
((wm == 0)) || command -v openbox >/dev/null || { echo "$0: openbox is not installed" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3 once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
waited() {  # waited FILE SECONDS: until FILE has content
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
waited "$work/display" 20 || { echo "$0: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"

if ((wm)); then
  openbox --sm-disable --startup "sh -c 'echo up >$work/wm-ready'" >"$work/openbox.log" 2>&1 &
  pids+=($!)
  waited "$work/wm-ready" 20 || { echo "$0: openbox did not start" >&2; exit 1; }
fi

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset WAYLAND_DISPLAY
status=0
dbus-run-session -- "$@" || status=$?
exit "$status"
