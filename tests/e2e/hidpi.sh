#!/usr/bin/env bash
# A screen of two device pixels per window pixel (QT_SCALE_FACTOR=2 on a 2560x2048 screen): the
# windows keep their layout and hit areas in window pixels and are drawn from the skin's "@2x"
# pictures, pixel for pixel, not from the ordinary ones scaled up.
source "$(dirname "$0")/e2e.sh"
readonly RATIO=2
start_xserver 2560x2048
install_copy "$1"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
export QT_SCALE_FACTOR=$RATIO

# drawn_from SHOT X Y W H PICTURE: the screen's W by H device pixels at X, Y are the picture's
# top left ones, but for the JPEG's noise.
drawn_from() {
    local error
    convert "$E2E_SHOTS/$1.png" -crop "$4x$5+$2+$3" +repage "$E2E_TMP/screen.png"
    convert "$6" -crop "$4x$5+0+0" +repage "$E2E_TMP/picture.png"
    error=$(compare -metric RMSE "$E2E_TMP/screen.png" "$E2E_TMP/picture.png" null: 2>&1 || true)
    error=${error##*(}
    awk -v e="${error%)}" 'BEGIN {exit !(e < 0.01)}'
}
# shows_drawn_from SHOT X Y W H PICTURE WHAT: screenshots until the screen there is drawn from
# the picture; shown is not yet drawn, the first paint may come a while after.
shows_drawn_from() {
    local deadline=$((SECONDS + 10))
    until screenshot "$1" && drawn_from "$@"; do
        [ $SECONDS -le $deadline ] || fail "$7 is not drawn from its @2x picture"
        viewer_alive
        sleep 0.2
    done
}
# click_at X Y: a click at a point given in window pixels of the main window.
click_at() {
    xdotool mousemove $((MAIN_X + RATIO * $1)) $((MAIN_Y + RATIO * $2)) click 1
}

launch
main=$(wait_for_window $((RATIO * 1024)) $((RATIO * 768)) 30) ||
    fail "no main window of $((RATIO * 1024)) by $((RATIO * 768)) device pixels"
read -r _ MAIN_X MAIN_Y <<<"$main"
shows_drawn_from main "$MAIN_X" "$MAIN_Y" 600 160 "$APP/design/windows/main/fon@2x.jpg" \
    "the main window"

# The colour card, where its hit area is in window pixels, opens the catalogue in its place.
click_at 220 430
frameX=$((MAIN_X + RATIO * BROWSER_WINDOW_X)) frameY=$((MAIN_Y + RATIO * BROWSER_WINDOW_Y))
shows_drawn_from catalogue "$frameX" "$frameY" 400 60 "$APP/design/windows/childs/fon_2@2x.jpg" \
    "the catalogue's frame"

read -r closeX closeY <<<"$(button_centre 0 0 close)"
click_at "$closeX" "$closeY"
wait_for_exit 30 || fail "the viewer did not close"
