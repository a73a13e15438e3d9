#!/usr/bin/env bash
# The demo window on the SDL backend under Xvfb: real X input, checked through the demo's own
# state file and X screen dumps. Exit 77 (skipped) without Xvfb or xdotool.
set -u
demo=$1
check=$2
round=$3
for tool in Xvfb xdotool xwd; do
    command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# Under LeakSanitizer, leaks of the system libraries SDL loads are not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp"

work=$(mktemp -d)
xvfb_pid=""
demo_pid=""
round_pid=""
cleanup() {
    [ -n "$demo_pid" ] && kill "$demo_pid" 2> /dev/null
    [ -n "$round_pid" ] && kill "$round_pid" 2> /dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2> /dev/null
    # SENTAVIA_DISPLAY_KEEP=1 keeps the screen dumps and logs for a look.
    if [ -n "${SENTAVIA_DISPLAY_KEEP:-}" ]; then echo "kept: $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -f "$work/state" ] && { echo "--- demo state"; cat "$work/state"; }
    [ -f "$work/demo.log" ] && { echo "--- demo output"; cat "$work/demo.log"; }
    exit 1
}

# Without any display the demo says so and fails, rather than running where no one sees it.
timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$demo" > "$work/nodisplay.log" 2>&1
status=$?
[ "$status" != 0 ] && [ "$status" != 124 ] || fail "without a display the demo ended with status $status"
grep -q "Cannot open the desktop" "$work/nodisplay.log" || fail "no message without a display: $(cat "$work/nodisplay.log")"

# A free display number: no lock file and no socket.
display=""
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free display number"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do
    timeout 2 xdotool getdisplaygeometry > /dev/null 2>&1 && break
    sleep 0.1
done
timeout 2 xdotool getdisplaygeometry > /dev/null 2>&1 || fail "Xvfb did not start"

SENTAVIA_DEMO_STATE="$work/state" SDL_VIDEODRIVER=x11 "$demo" > "$work/demo.log" 2>&1 &
demo_pid=$!

x() { timeout 5 xdotool "$@" || fail "xdotool $*"; }
field() { sed -n "s/^$1=//p" "$work/state" 2> /dev/null; }
# Waits until the state file has key=value.
wait_for() {
    for _ in $(seq 50); do
        [ "$(field "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    fail "expected $1=$2, have $1=$(field "$1")"
}
point() { field "$1" | tr ',' ' '; }
shot() {
    timeout 10 xwd -root -silent > "$work/$1.xwd" || fail "xwd"
    [ -n "${SENTAVIA_DISPLAY_KEEP:-}" ] && "$check" png "$work/$1.xwd" "$work/$1.png"
    return 0
}
settle() { sleep 0.3; }

xid=$(timeout 10 xdotool search --sync --name "^Sentavia demo$" | head -n 1)
[ -n "$xid" ] || fail "the demo window did not appear"
wait_for window 100,80,480,340
settle

# Where X has it is where we put it, and it drew: caption, controls.
geometry=$(x getwindowgeometry --shell "$xid")
eval "$geometry"
[ "$X,$Y,$WIDTH,$HEIGHT" = "100,80,480,340" ] || fail "X window at $X,$Y ${WIDTH}x$HEIGHT"
shot first
"$check" window "$work/first.xwd" 100 80 480 340 || fail "first screen dump"

# Idle, it sleeps: a second of waiting costs it hardly any processor time (a busy loop takes all).
cpu() { awk '{ print $14 + $15 }' "/proc/$demo_pid/stat"; }
before=$(cpu)
sleep 1
used=$(( $(cpu) - before ))
[ "$used" -lt 30 ] || fail "idle demo used $used ticks of processor time in a second"

# Typing into the edit changes what the screen shows.
read -r ex ey <<< "$(point editpoint)"
x mousemove "$ex" "$ey" click 1
x type --delay 20 "hello"
wait_for edit hello
# Text arrives as UTF-8 from the desktop's layout: Cyrillic too.
x type --delay 20 " мир"
wait_for edit "hello мир"
settle
shot typed
"$check" changed "$work/first.xwd" "$work/typed.xwd" $(point editrect) || fail "typed text not shown"

read -r ox oy <<< "$(point okpoint)"
x mousemove "$ox" "$oy" click 1
wait_for ok 1

# Moving by the caption.
read -r cx cy <<< "$(point caption)"
x mousemove "$cx" "$cy" mousedown 1
for step in 1 2 3 4 5; do x mousemove $((cx + 12 * step)) $((cy + 8 * step)); sleep 0.05; done
x mouseup 1
wait_for window 160,120,480,340
settle
eval "$(x getwindowgeometry --shell "$xid")"
[ "$X,$Y" = "160,120" ] || fail "X window not moved: at $X,$Y"

# Sizing by the bottom-right corner.
read -r gx gy <<< "$(point grip)"
x mousemove "$gx" "$gy" mousedown 1
for step in 1 2 3 4 5; do x mousemove $((gx + 10 * step)) $((gy + 6 * step)); sleep 0.05; done
x mouseup 1
wait_for window 160,120,530,370
settle
eval "$(x getwindowgeometry --shell "$xid")"
[ "$WIDTH,$HEIGHT" = "530,370" ] || fail "X window not sized: ${WIDTH}x$HEIGHT"
shot sized
"$check" window "$work/sized.xwd" 160 120 530 370 || fail "screen dump after sizing"

# The pop-up menu is a window of its own.
read -r mx my <<< "$(point menubutton)"
x mousemove "$mx" "$my" click 1
wait_for menu open
# A shown top-level X window other than the main one.
menu_xid=""
for _ in $(seq 30); do
    for w in $(timeout 5 xdotool search --onlyvisible --maxdepth 1 --class '' 2> /dev/null); do
        [ "$w" != "$xid" ] && menu_xid=$w
    done
    [ -n "$menu_xid" ] && break
    sleep 0.1
done
[ -n "$menu_xid" ] || fail "no separate menu window"
settle
eval "$(x getwindowgeometry --shell "$menu_xid")"
shot menu
"$check" drawn "$work/menu.xwd" "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "menu not drawn"
read -r ix iy <<< "$(point menupoint)"
x mousemove "$ix" "$iy" click 1
wait_for last menu-item
wait_for menu closed

# With no window manager, only we can give the keyboard back after a menu: open it, leave it
# with Escape, click the edit, and what is typed arrives.
x mousemove "$mx" "$my" click 1
wait_for menu open
settle
x key Escape
wait_for menu closed
read -r ex ey <<< "$(point editpoint)"
x mousemove "$ex" "$ey" click 1
settle
x key End
x type --delay 20 "!"
wait_for edit "hello мир!"

# The close button ends the program.
read -r qx qy <<< "$(point close)"
x mousemove "$qx" "$qy" click 1
for _ in $(seq 50); do kill -0 "$demo_pid" 2> /dev/null || break; sleep 0.1; done
kill -0 "$demo_pid" 2> /dev/null && fail "the demo did not close"
wait "$demo_pid"
status=$?
demo_pid=""
[ "$status" = 0 ] || fail "the demo ended with status $status"
# A window region becomes the X window's shape: outside the circle the root shows (black in
# Xvfb), not a square of our desktop colour; inside, the window's own colour.
for mode in "" --shape-after-show; do
    "$round" $mode > "$work/round.log" 2>&1 &
    round_pid=$!
    timeout 10 xdotool search --sync --name "^Round window$" > /dev/null || fail "the round window did not appear"
    settle
    shot round
    "$check" pixel "$work/round.xwd" 603 103 000000 || fail "the round window's corner is not cut out ($mode)"
    "$check" pixel "$work/round.xwd" 650 150 0A246A || fail "the round window's middle is not drawn ($mode)"
    kill "$round_pid" 2> /dev/null
    wait "$round_pid" 2> /dev/null
    round_pid=""
done
echo "PASS"
