#!/bin/sh
# The program under a headless Wayland compositor, natively (no X server at all):
#   1. "/t LIST" starts a test: the window tells the compositor its title and draws the test
#      panel (a screenshot taken by the compositor holds more than the background);
#   2. started without a list, the welcome and tips dialogs are children of the window
#      (xdg_toplevel.set_parent), so the compositor keeps them above it;
# Headless weston takes no input from outside, so nothing is typed; the window tests cover keys.
# Skipped (77) where weston or Qt's Wayland plug-in is missing.
# Usage: smoke.sh PATH-TO-velmoria LIST OUT-DIR
set -u
program=$1 list=$2 out=$3
command -v weston >/dev/null 2>&1 || { echo "weston is not installed: Wayland test skipped"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
    || { echo "qt6-wayland is not installed: Wayland test skipped"; exit 77; }
dir=$(mktemp -d) || exit 1
compositor="" client=""
cleanup() { kill $client $compositor 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"; }
trap cleanup EXIT
mkdir -m 700 "$dir/run" "$dir/home"
export XDG_RUNTIME_DIR="$dir/run" HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config"
export WAYLAND_DISPLAY=velmoria-test QT_QPA_PLATFORM=wayland
unset DISPLAY
# A plain desktop without a panel, so that a picture of it alone compresses to next to nothing.
printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff204060\npanel-position=none\n' >"$dir/weston.ini"
# --debug lets weston-screenshooter ask for the picture.
weston --config="$dir/weston.ini" --backend=headless-backend.so --use-pixman --debug --socket=$WAYLAND_DISPLAY \
    --width=1280 --height=800 --idle-time=0 >"$dir/weston.log" 2>&1 &
compositor=$!
i=0
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
    i=$((i + 1))
    [ $i -gt 100 ] && { echo "weston did not start:"; cat "$dir/weston.log"; exit 1; }
    sleep 0.1
done

# The compositor's own picture of the screen, as NAME.png.
shoot() {
    rm -f "$dir"/wayland-screenshot-*.png
    (cd "$dir" && timeout 10 weston-screenshooter) >/dev/null 2>&1
    shot=$(ls "$dir"/wayland-screenshot-*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] || { echo "weston-screenshooter took no picture"; return 1; }
    mv "$shot" "$dir/$1.png"
}
sleep 0.5
shoot desktop || exit 1

# Runs the program until its log holds PATTERN (or 20 s pass), then ends it by signal.
run_until() {
    pattern=$1 log=$2
    shift 2
    WAYLAND_DEBUG=client "$program" "$@" >"$log" 2>&1 &
    client=$!
    i=0
    until grep -q "$pattern" "$log"; do
        i=$((i + 1))
        if [ $i -gt 200 ] || ! kill -0 $client 2>/dev/null; then
            echo "no '$pattern' from the program:"; grep -v "^\[" "$log" | tail -20; return 1
        fi
        sleep 0.1
    done
}

title=$(basename "$list")
run_until "set_title(\"$title - Velmoria\")" "$dir/test.log" /t "$list" || exit 1
# Enough frames for the panel to be committed, then the compositor's own picture.
sleep 1
shoot program || exit 1
mkdir -p "$out" && cp "$dir/program.png" "$out/wayland-test.png"
# The plain desktop compresses to next to nothing; the window's texts and frames do not.
size() { wc -c <"$dir/$1.png"; }
[ "$(size program)" -gt $(($(size desktop) * 5)) ] \
    || { echo "the screenshot holds no window ($(size program) against $(size desktop) bytes)"; exit 1; }
kill -TERM $client; wait $client 2>/dev/null; client=""

run_until "set_parent(xdg_toplevel" "$dir/start.log" || exit 1
kill -TERM $client; wait $client 2>/dev/null; client=""

echo "the window is titled, draws, and its dialogs are its children under Wayland"
