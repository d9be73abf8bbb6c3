#!/usr/bin/env bash
# End-to-end checks of the real binaries: fjolbar under Xvfb driven with
# xdotool, without any display, and fjolbar-capture.
# usage: e2e.sh CASE BUILD_DIR   (run in BUILD_DIR, where data/ is)
set -uo pipefail
case_name="$1"
build="$2"
cd "$build" || exit 1
tools="$build/tests/e2e"
work="$(mktemp -d)"
xvfb_pid=""
demo_pid=""
cleanup() {
  [ -n "$demo_pid" ] && kill -9 "$demo_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

start_xvfb() {  # start_xvfb WIDTHxHEIGHT
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null
  done
  fail "no Xvfb"
}

start_demo() {
  ./fjolbar >"$work/out" 2>"$work/err" &
  demo_pid=$!
  window=$(timeout 30 xdotool search --sync --name '^2468 fjolbar$' | head -n 1)
  [ -n "$window" ] || fail "no window titled '2468 fjolbar'"
}

# wait_exit SECONDS: the demo's exit status, or fail when it does not end
wait_exit() {
  for _ in $(seq $(( $1 * 10 ))); do
    if ! kill -0 "$demo_pid" 2>/dev/null; then
      wait "$demo_pid"
      status=$?
      demo_pid=""
      return 0
    fi
    sleep 0.1
  done
  fail "the demo did not end within $1 s"
}

geometry_of() {  # prints W H of the window
  xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}

case "$case_name" in
window)
  start_xvfb 800x600
  start_demo
  read -r w h < <(geometry_of "$window")
  [ "$w $h" = "800 600" ] || fail "window is $w x $h, not 800 x 600"
  xprop -id "$window" WM_CLASS | grep -q '"openglclass"' || fail "class is not openglclass: $(xprop -id "$window" WM_CLASS)"
  [ "$(xdotool search --name '^2468 fjolbar$' | wc -l)" = 1 ] || fail "more than one window"
  sleep 2
  xdotool key --window "$window" Escape
  wait_exit 10
  [ "$status" = 0 ] || fail "Escape ended it with status $status"
  ;;
letterbox)
  start_xvfb 1280x720
  start_demo
  read -r w h < <(geometry_of "$window")
  [ "$w $h" = "1280 720" ] || fail "window is $w x $h, not the whole 1280 x 720 screen"
  # The logo has faded in by 8 s; the picture must sit between two black bars.
  sleep 9
  import -window root "$work/screen.png" || fail "no screenshot"
  kill -0 "$demo_pid" || fail "the demo ended early"
  read -r bx by bw bh < <(convert "$work/screen.png" -threshold 1% -format '%@' info: |
                          sed -E 's/([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)/\3 \4 \1 \2/')
  echo "picture bounding box: x $bx y $by, $bw x $bh"
  [ "$bx" -ge 159 ] && [ $(( bx + bw )) -le 1121 ] || fail "picture outside 160..1120"
  [ "$bw" -ge 900 ] || fail "picture only $bw wide"
  cp "$work/screen.png" "$build/e2e-letterbox.png"
  xdotool key --window "$window" Escape
  wait_exit 10
  [ "$status" = 0 ] || fail "status $status"
  ;;
close)
  start_xvfb 800x600
  start_demo
  sleep 2
  "$tools/close_window" "$window" || fail "could not ask the window to close"
  wait_exit 10
  [ "$status" = 0 ] || fail "closing ended it with status $status"
  ;;
signal)
  start_xvfb 800x600
  start_demo
  sleep 2
  kill -TERM "$demo_pid"
  wait_exit 10
  [ "$status" = 0 ] || fail "SIGTERM ended it with status $status"
  ;;
whole)
  start_xvfb 800x600
  start_demo
  wait_exit 200
  [ "$status" = 0 ] || fail "the timeline ended with status $status"
  ;;
nodisplay)
  env -u DISPLAY -u WAYLAND_DISPLAY timeout -k 5 30 ./fjolbar >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" = 1 ] || fail "status $status without a display, not 1"
  grep -q "Unable to get displaysettings" "$work/err" || fail "no clear error: $(cat "$work/err")"
  cat "$work/err"
  ;;
capture)
  for run in a b; do
    timeout -k 5 300 ./fjolbar-capture --at 0.5,30,75.25 --out "$work/$run" || fail "capture failed"
  done
  for f in t000.500.png t030.000.png t075.250.png; do
    [ -f "$work/a/$f" ] || fail "no $f"
    [ "$(identify -format '%w %h' "$work/a/$f")" = "800 600" ] || fail "$f is not 800 x 600"
    cmp -s "$work/a/$f" "$work/b/$f" || fail "$f differs between two runs"
  done
  [ "$(ls "$work/a" | wc -l)" = 3 ] || fail "unexpected files: $(ls "$work/a")"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "ok: $case_name"
