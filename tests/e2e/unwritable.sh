#!/usr/bin/env bash
# A content folder the viewer cannot write to: on a full filesystem, with the user's cache
# folder there too (full-disk: needs a tmpfs of its own, so root; skipped elsewhere), or as a
# user without write access to it nor a data folder of their own to work from instead
# (read-only: root runs the viewer as nobody). The viewer starts,
# every window works, a write it cannot make is told in a box, and the files already stored
# stay as they were.
# Usage: unwritable.sh full-disk|read-only BUILT_DIR
source "$(dirname "$0")/e2e.sh"
mode=$1 built=$2
CLOSE_WINDOW="$built/../tests/e2e/velmora_close_window"
read_layout "$built"

case $mode in
full-disk)
    disk="$E2E_TMP/disk"
    mkdir -p "$disk"
    mount -t tmpfs -o size=64m tmpfs "$disk" 2>/dev/null || { echo "cannot mount a tmpfs here"; exit 77; }
    trap '[ -n "$VELMORA_PID" ] && kill "$VELMORA_PID" 2>/dev/null; umount -l "$disk"; e2e_cleanup' EXIT
    APP="$disk/app"
    cp -r "$built" "$APP"
    mkdir "$disk/cache"
    export XDG_CACHE_HOME="$disk/cache"
    ;;
read-only)
    install_copy "$built"
    if [ "$(id -u)" -eq 0 ]; then
        # Root writes anywhere: the viewer runs as a user who may only read the content.
        chmod -R a+rX "$APP"
        as_nobody
    fi
    # A data folder inside the read-only content, which this user cannot make.
    export XDG_DATA_HOME="$APP/user-data"
    ;;
*) fail "no such mode: $mode" ;;
esac

printf '[MESSAGES]\r\nshowclosemessage=1\r\n[FILTERS]\r\nfiltr_3_1=1\r\n' >"$E2E_TMP/settings.ini"
printf 'a page saved before' >"$E2E_TMP/sortresult.htm"
cp "$E2E_TMP/settings.ini" "$APP/settings.ini"
cp "$E2E_TMP/sortresult.htm" "$APP/html/sortresult.htm"
case $mode in
full-disk)
    dd if=/dev/zero of="$disk/filler" bs=64k 2>/dev/null || true
    [ "$(df --output=avail "$disk" | tail -1)" -eq 0 ] || fail "the filesystem is not full"
    ;;
read-only) [ "$(id -u)" -eq 0 ] || chmod -R a-w "$APP" ;;
esac
touch "$E2E_TMP/before"

# a_box_shows: a small window of the viewer (an error box) is on screen.
a_box_shows() {
    local deadline=$((SECONDS + 10))
    until [ -n "$(error_boxes)" ]; do
        [ $SECONDS -le $deadline ] || return 1
        viewer_alive
        sleep 0.1
    done
}

start_xserver 1280x1024
launch
main=$(wait_for_window 1024 768 30) || fail "no main window"
read -r _ MAIN_X MAIN_Y <<<"$main"
sleep 0.5
# The catalogue writes its result page: it cannot, and says so.
xdotool mousemove $((MAIN_X + ALL_DESIGNS_SIGN_X)) $((MAIN_Y + ALL_DESIGNS_SIGN_Y)) click 1
a_box_shows || fail "no box told that the result page could not be written"
screenshot "$mode-box"
xdotool key Escape
sleep 0.3
click_button $((MAIN_X + BROWSER_WINDOW_X)) $((MAIN_Y + BROWSER_WINDOW_Y)) close_2_1
drive_every_window
close_viewer 30

cmp -s "$E2E_TMP/settings.ini" "$APP/settings.ini" || fail "settings.ini changed"
cmp -s "$E2E_TMP/sortresult.htm" "$APP/html/sortresult.htm" || fail "the stored page changed"
left=$(find "$APP" -type f -newer "$E2E_TMP/before")
[ -z "$left" ] || fail "files were left behind: $left"
exit 0
