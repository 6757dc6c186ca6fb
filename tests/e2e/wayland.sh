#!/usr/bin/env bash
# The viewer in a Wayland session, under weston's headless backend:
#   wayland.sh xwayland BUILT_DIR  with XWayland: the viewer runs on X11 there, quietly
#   wayland.sh native BUILT_DIR    without XWayland: the viewer runs on Wayland and says once
#                                  that the desktop places its windows
# and its main window stands whole on the compositor's screen. The headless backend has no input
# devices (and XWayland ends on a faked click there), so the windows are looked at, not driven;
# the browser windows are children of the main window on every platform.
source "$(dirname "$0")/e2e.sh"
mode=$1
install_copy "$2"

runtime="$E2E_TMP/runtime"
mkdir -m 700 "$runtime"
weston_options=(--backend=headless-backend.so --use-pixman --width=1280 --height=1024
    --socket=velmora-test --idle-time=0 --debug)
[ "$mode" = xwayland ] && weston_options+=(--xwayland)
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
XDG_RUNTIME_DIR="$runtime" weston "${weston_options[@]}" >"$E2E_TMP/weston.log" 2>&1 &
WESTON_PID=$!
KEEPER_PID=
trap 'kill $KEEPER_PID $WESTON_PID 2>/dev/null || true; e2e_cleanup' EXIT
deadline=$((SECONDS + 20))
until [ -S "$runtime/velmora-test" ]; do
    [ $SECONDS -le $deadline ] || fail "weston did not start: $(tail -3 "$E2E_TMP/weston.log")"
    sleep 0.1
done
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=velmora-test
VIEWER_RUNTIME_DIR="$runtime"

# wayland_screenshot NAME: what the compositor shows.
wayland_screenshot() {
    (cd "$E2E_TMP" && rm -f wayland-screenshot-*.png && timeout 20 weston-screenshooter) ||
        fail "weston took no screenshot"
    mv "$E2E_TMP"/wayland-screenshot-*.png "$E2E_SHOTS/$1.png"
}

main_picture="$APP/design/windows/main/fon.jpg"
if [ "$mode" = xwayland ]; then
    display=
    deadline=$((SECONDS + 20))
    until display=$(grep -o 'xserver listening on display :[0-9]*' "$E2E_TMP/weston.log" | grep -o ':[0-9]*'); do
        [ $SECONDS -le $deadline ] || fail "weston started no XWayland"
        sleep 0.1
    done
    export DISPLAY=$display
    # XWayland ends with its last client: one stays connected, waiting for a window that never
    # comes, so xdotool's short looks never end it before the viewer connects.
    xdotool search --sync --name "velmora-test-keeps-xwayland" >/dev/null 2>&1 &
    KEEPER_PID=$!
    # The main window is an X11 window: the viewer chose XWayland.
    start_viewer 60
else
    launch
fi

# The main window stands whole on the screen, where the compositor put it.
deadline=$((SECONDS + 60))
until wayland_screenshot desktop &&
    python3 "$(dirname "$0")/find_picture.py" "$E2E_SHOTS/desktop.png" "$main_picture"; do
    viewer_alive
    [ $SECONDS -le $deadline ] || fail "the main window is not whole on the screen"
    sleep 0.5
done
viewer_alive
if [ "$mode" = xwayland ]; then
    [ ! -s "$E2E_TMP/velmora.log" ] || fail "the viewer wrote to the terminal: $(head -3 "$E2E_TMP/velmora.log")"
else
    [ "$(grep -c . "$E2E_TMP/velmora.log")" = 1 ] && grep -q "no XWayland" "$E2E_TMP/velmora.log" ||
        fail "the viewer did not say once that the desktop places its windows: $(head -3 "$E2E_TMP/velmora.log")"
fi
