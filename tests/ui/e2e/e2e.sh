#!/usr/bin/env bash
# The real-window test: VELDAMO on an X server (Xvfb) with a window manager
# (openbox), driven with xdotool and looked at with import, xprop, xwininfo
# and x11_probe.
#   usage: e2e.sh <veldamo> <x11_probe> <resources dir> [screenshot.png]
# With a fourth argument the window as it opens is saved there.
# Exits 77 (skipped) when a tool is missing.
set -euo pipefail

program=$1
probe=$2
resources=$3
screenshot_out=${4:-}

for tool in Xvfb openbox xdotool import xprop xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

# In sanitizer builds, leaks of the system libraries are not ours.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do
    [[ -s $log ]] && { echo "== $log" >&2; tail -20 "$log" >&2; }
  done
  exit 1
}
step() { echo "-- $*"; }

# wait_for <seconds> <command...>: runs the command until it succeeds.
wait_for() {
  local limit=$1
  shift
  local end=$((SECONDS + limit))
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

shot() { import -window root "$work/$1.png"; }

step "X server and window manager"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10 wm_running || fail "openbox did not start"
xdotool mousemove 5 5

step "start"
"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")
find_window() { xdotool search --name '^VELDAMO ver0\.1$' >"$work/window" 2>/dev/null; }
wait_for 20 find_window || fail "no window titled VELDAMO ver0.1"
win=$(head -1 "$work/window")
framed() { xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '='; }
wait_for 10 framed || fail "the window manager did not frame the window"

# Client area position and size, and the frame around it.
measure() {
  read -r cx cy cw ch < <(xwininfo -id "$win" | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
  read -r fl fr ft fb < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  fw=$((cw + fl + fr))
  fh=$((ch + ft + fb))
  fx=$((cx - fl))
  fy=$((cy - ft))
}
# The program centres its window once the window manager has framed it.
centred() {
  measure
  ((fx == (1024 - fw) / 2 && fy == (768 - fh) / 2))
}
wait_for 5 centred || fail "frame ${fw}x${fh} at $fx,$fy is not centred"
echo "client ${cw}x${ch} at $cx,$cy; frame extents $fl $fr $ft $fb"

step "centred on the screen; title, class and fixed size"
xprop -id "$win" _NET_WM_NAME | grep -qx '_NET_WM_NAME(UTF8_STRING) = "VELDAMO ver0.1"' ||
  fail "title: $(xprop -id "$win" _NET_WM_NAME)"
xprop -id "$win" WM_CLASS | grep -q '"VELDAMO"$' || fail "class: $(xprop -id "$win" WM_CLASS)"
[[ "$cw x $ch" == "462 x 339" ]] || fail "client area is ${cw}x${ch}"
hints=$(xprop -id "$win" WM_NORMAL_HINTS)
grep -q 'minimum size: 462 by 339' <<<"$hints" || fail "minimum size: $hints"
grep -q 'maximum size: 462 by 339' <<<"$hints" || fail "maximum size: $hints"
actions=$(xprop -id "$win" _NET_WM_ALLOWED_ACTIONS)
grep -q '_NET_WM_ACTION_CLOSE' <<<"$actions" || fail "cannot close: $actions"
grep -q '_NET_WM_ACTION_MINIMIZE' <<<"$actions" || fail "cannot minimise: $actions"
if grep -q -E 'MAXIMIZE|RESIZE' <<<"$actions"; then fail "can resize or maximise: $actions"; fi
xdotool windowsize "$win" 600 500
sleep 0.3
xwininfo -id "$win" | grep -q 'Width: 462' || fail "the window could be resized"

step "icon"
"$probe" icon "$win" "$resources/mainicon.ico" || fail "_NET_WM_ICON is not the program icon"

step "the picture as it opens"
vx=$((cx + 17))  # Image1 at 9,8 in Panel1 at 8,8
vy=$((cy + 16))
start_shown() { shot start && "$probe" picture "$work/start.png" "$vx" "$vy" "$resources/panda.bmp" 2>/dev/null; }
wait_for 10 start_shown || {
  "$probe" picture "$work/start.png" "$vx" "$vy" "$resources/panda.bmp"
  fail "the view does not show the picture's visible half"
}
if [[ -n $screenshot_out ]]; then
  import -window root -crop "${fw}x${fh}+${fx}+${fy}" +repage "$screenshot_out"
  echo "saved $screenshot_out"
fi

step "cursor"
xdotool mousemove $((vx + 100)) $((vy + 150))
sleep 0.3
"$probe" cursor "$resources/mycsr.cur" || fail "the custom cursor is not shown over the picture"
xdotool mousemove $((cx + 300)) $((cy + 310))
sleep 0.3
"$probe" not-cursor "$resources/mycsr.cur" || fail "the custom cursor shows outside the picture"
xdotool mousemove 5 5

step "advanced game started with Alt+B"
xdotool key --clearmodifiers alt+b
level_changed() { shot game && ! "$probe" same "$work/start.png" "$work/game.png" $((cx + 232)) $((cy + 8)) 217 41; }
wait_for 10 level_changed || fail "Alt+B did not start an advanced game"

step "minimised and restored, the running game is unchanged"
xdotool windowminimize "$win"
iconic() { xprop -id "$win" WM_STATE | grep -q 'window state: Iconic'; }
wait_for 10 iconic || fail "the window was not minimised"
xdotool windowactivate "$win"
restored_window() {
  xprop -id "$win" WM_STATE | grep -q 'window state: Normal' &&
    shot back && "$probe" same "$work/game.png" "$work/back.png" "$cx" "$cy" "$cw" "$ch"
}
wait_for 10 restored_window || fail "the window came back changed"
xwininfo -id "$win" | grep -q "Absolute upper-left X:  $cx" || fail "the window moved"

"$probe" solve "$work/game.png" "$vx" "$vy" 1 >"$work/presses" || fail "cannot read the board"
mapfile -t presses <"$work/presses"
echo "${#presses[@]} presses"

# All presses but the last, then wait for the window to settle.
for ((i = 0; i + 1 < ${#presses[@]}; i++)); do
  read -r px py <<<"${presses[$i]}"
  xdotool mousemove "$px" "$py" click 1
done
settled() {
  shot before
  sleep 0.3
  shot again
  "$probe" same "$work/before.png" "$work/again.png" "$cx" "$cy" "$cw" "$ch"
}
wait_for 10 settled || fail "the window did not settle"

step "the last press restores the panda"
read -r px py <<<"${presses[-1]}"
xdotool mousemove "$px" "$py" click 1
restored() { shot won && "$probe" picture "$work/won.png" "$vx" "$vy" "$resources/panda.bmp" 2>/dev/null; }
wait_for 10 restored || fail "the picture was not restored"
won_text() { shot won && ! "$probe" same "$work/before.png" "$work/won.png" $((cx + 232)) $((cy + 112)) 217 81; }
wait_for 10 won_text || fail "the status text did not change on the win"

step "Alt+F4 ends the program with exit code 0"
xdotool key --clearmodifiers alt+F4
ended() { ! kill -0 "$app" 2>/dev/null; }
wait_for 10 ended || fail "the program is still running after Alt+F4"
set +e
wait "$app"
code=$?
set -e
((code == 0)) || fail "exit code $code"
echo "PASS"
