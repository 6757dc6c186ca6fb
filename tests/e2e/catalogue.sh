#!/usr/bin/env bash
# Browsing the catalogue as a user does: a sign card opens the catalogue on its group with the
# filter panel, a switch and "show" list the matching works as cards, the switch is still on
# after a restart, a thumbnail opens the work page, and the large picture steps through the
# result with wrap-around.
source "$(dirname "$0")/e2e.sh"
start_xserver 1280x1024
install_copy "$1"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"

# shows_picture SHOT X Y FILE PX PY: the screen shows the picture's point PX, PY at X, Y.
shows_picture() {
    near $(pixel_at "$1" "$2" "$3") $(jpeg_pixel "$4" "$5" "$6")
}

start_viewer
screenshot main

# The colour card (sign 3) opens the catalogue on the colours with the panel and its switches.
xdotool mousemove $((MAIN_X + 220)) $((MAIN_Y + 430)) click 1
read -r pinkX pinkY <<<"$(button_centre "$CHILD_X" "$CHILD_Y" filtr_3_4)"
pinkPicture="$APP/$(ini_value "$APP/buttons.ini" filtr_3_4 state_up)"
pinkPicture=${pinkPicture//\\//}
panelX=$((CHILD_X + 673 + 5)) panelY=$((CHILD_Y + 278 + 5))
wait_for_picture catalogue "$panelX" "$panelY" "$APP/design/windows/filters/filter.jpg" 5 5 ||
    fail "the catalogue shows no filter panel"
shows_picture catalogue "$pinkX" "$pinkY" "$pinkPicture" \
    $(($(ini_value "$APP/buttons.ini" filtr_3_4 bnd_w) / 2)) $(($(ini_value "$APP/buttons.ini" filtr_3_4 bnd_h) / 2)) ||
    fail "the colour switches are not drawn"

# Pink on, then "show": the result page lists the pink works as cards.
click_button "$CHILD_X" "$CHILD_Y" filtr_3_4
click_button "$CHILD_X" "$CHILD_Y" button_show
wait_for_result "show"
for work in "${works[@]}"; do
    grep -qa "^\[$work\]" "$APP/velmora.ini" || fail "$work is no work of the catalogue"
done
[ "$(ini_value "$APP/settings.ini" param4 param4)" = 1 ] || fail "the pink switch was not stored"

# After a restart the switch is still on: the card lists the same works.
click_button "$MAIN_X" "$MAIN_Y" close
wait_for_exit 10 || fail "the viewer did not close"
rm "$APP/html/sortresult.htm"
start_viewer
xdotool mousemove $((MAIN_X + 220)) $((MAIN_Y + 430)) click 1
deadline=$((SECONDS + 10))
until [ -s "$APP/html/sortresult.htm" ]; do
    [ $SECONDS -le $deadline ] || fail "the colour card wrote no result page after the restart"
    sleep 0.1
done
[ "$(listed_works | tr '\n' ' ')" = "${works[*]} " ] || fail "the restart lost the pink switch"
wait_for_picture restarted "$THUMB_X" "$THUMB_Y" "$APP/images/small/${works[0]}.jpg" 68 54 ||
    fail "the first card is not shown after the restart"

# The first thumbnail opens the work page with its medium picture.
xdotool mousemove "$THUMB_X" "$THUMB_Y" click 1
wait_for_picture workpage $((CHILD_X + 672)) $((CHILD_Y + 277)) "$APP/images/middle/${works[0]}.jpg" 130 212 ||
    fail "the thumbnail did not open the work page of ${works[0]}"

# The large picture, then back past the first work to the last one, and forward to the first.
largeX=$((CHILD_X + 424)) largeY=$((CHILD_Y + 290))
click_button "$CHILD_X" "$CHILD_Y" L2param_1
wait_for_picture large "$largeX" "$largeY" "$APP/images/big/${works[0]}.jpg" 289 217 ||
    fail "the large picture of ${works[0]} is not shown"
click_button "$CHILD_X" "$CHILD_Y" L1param_2
last=${works[${#works[@]} - 1]}
wait_for_picture previous "$largeX" "$largeY" "$APP/images/big/$last.jpg" 289 217 ||
    fail "previous from the first work did not wrap to the last, $last"
click_button "$CHILD_X" "$CHILD_Y" L1param_3
wait_for_picture next "$largeX" "$largeY" "$APP/images/big/${works[0]}.jpg" 289 217 ||
    fail "next from the last work did not wrap to the first"
exit 0
