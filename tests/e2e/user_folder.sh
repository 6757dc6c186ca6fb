#!/usr/bin/env bash
# A content folder the user could write until it became read-only, as an installed catalogue
# is: from then on the viewer works from the user's own data folder, which starts with the
# settings the user had. A switch turned there is kept there, the result page is written
# there, no box complains, and the content folder stays as it was. Root runs the viewer as
# nobody; elsewhere the test is skipped.
source "$(dirname "$0")/e2e.sh"
[ "$(id -u)" -eq 0 ] || { echo "needs root to run the viewer as another user"; exit 77; }
start_xserver 1280x1024
install_copy "$1"
CLOSE_WINDOW="$1/../tests/e2e/velmora_close_window"
as_nobody
USER_DIR="$XDG_DATA_HOME/velmora"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
chown -R nobody "$APP"

# pink_switch_in FOLDER: the colour card, then the pink switch and "show"; the result page
# appears in the folder.
pink_switch_in() {
    rm -f "$1/html/sortresult.htm"
    xdotool mousemove $((MAIN_X + 220)) $((MAIN_Y + 430)) click 1
    sleep 0.5
    click_button "$CHILD_X" "$CHILD_Y" filtr_3_4
    click_button "$CHILD_X" "$CHILD_Y" button_show
    local deadline=$((SECONDS + 10))
    until [ -s "$1/html/sortresult.htm" ]; do
        [ $SECONDS -le $deadline ] || fail "no result page was written in $1"
        viewer_alive
        sleep 0.1
    done
}

start_viewer
pink_switch_in "$APP"
[ "$(ini_value "$APP/settings.ini" param4 param4)" = 1 ] || fail "the pink switch was not stored"
[ ! -e "$USER_DIR" ] || fail "a writable content folder got a user folder beside it"
close_viewer 30

chown -R root "$APP"
touch "$E2E_TMP/before"
start_viewer
cmp -s "$APP/settings.ini" "$USER_DIR/settings.ini" || fail "the user's settings did not come along"
pink_switch_in "$USER_DIR"
screenshot user-folder
boxes=$(error_boxes)
[ -z "$boxes" ] || fail "a box came up: $boxes"
[ "$(ini_value "$USER_DIR/settings.ini" param4 param4)" = 0 ] || fail "the switch went unstored"
[ "$(ini_value "$APP/settings.ini" param4 param4)" = 1 ] || fail "the content's settings changed"
close_viewer 30
left=$(find "$APP" -newer "$E2E_TMP/before")
[ -z "$left" ] || fail "the content folder changed: $left"
exit 0
