#!/usr/bin/env bash
# The information window as a user meets it: "zoom" shows the about page where the window
# keeps its browser, the wheel scrolls it and moves the thumb, a right click brings the
# program's own pop-up to the pointer, and the close button hides the window again.
source "$(dirname "$0")/e2e.sh"
start_xserver 1280x1024
install_copy "$1"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"

launch
main=$(wait_for_window 1024 768 15) || fail "no main window"
read -r _ mainX mainY <<<"$main"
sleep 0.5
screenshot before

click_button "$mainX" "$mainY" zoom
# The window stands centred in the main window, its browser where the catalogue's stands.
infoX=$((mainX + BROWSER_WINDOW_X)) infoY=$((mainY + BROWSER_WINDOW_Y))
pageX=$((infoX + CATALOGUE_BROWSER_X)) pageY=$((infoY + CATALOGUE_BROWSER_Y))
page_background="251 244 239"
deadline=$((SECONDS + 10))
until screenshot about && near $(pixel_at about $((pageX + 3)) $((pageY + 3))) $page_background; do
    [ $SECONDS -le $deadline ] || fail "about.htm is not shown where the browser stands: $(pixel_at about $((pageX + 3)) $((pageY + 3)))"
    sleep 0.2
done
near $(pixel_at about $((pageX + 606)) $((pageY + 472))) $page_background ||
    fail "the page does not fill the browser's place"

xdotool mousemove $((pageX + 300)) $((pageY + 300))
# The page shows while it still loads, and takes the wheel once it has loaded: turn until it
# moves, then measure the next turn.
deadline=$((SECONDS + 10))
until xdotool click 5 && wait_until_changed about ready $pageX $pageY 590 400 1; do
    [ $SECONDS -le $deadline ] || fail "the page never took a wheel turn"
done
wait_until_still ready $pageX $pageY 590 400 5 || fail "the page did not come to rest"
xdotool click 5
wait_until_changed ready wheeled $pageX $pageY 590 400 5 || fail "a wheel turn scrolled nothing"
wait_until_still wheeled $pageX $pageY 590 400 5 || fail "the page did not come to rest"
# One wheel turn is one line step of the page, 40 pixels, and nothing more.
moved_up_by ready wheeled $pageX $pageY 590 400 40 || fail "one wheel turn did not scroll one line"
bar_x=$(ini_value "$APP/scrolls.ini" wb_vscroll bnd_x) bar_y=$(ini_value "$APP/scrolls.ini" wb_vscroll bnd_y)
bar_h=$(ini_value "$APP/scrolls.ini" wb_vscroll bnd_h)
region_differs about wheeled $((infoX + bar_x)) $((infoY + bar_y)) 12 "$bar_h" ||
    fail "the thumb did not move"

xdotool mousemove $((pageX + 200)) $((pageY + 150)) click 3
popup=$(wait_for_window 170 98 5) || fail "a right click showed no pop-up"
read -r _ popupX popupY <<<"$popup"
[ "$popupX $popupY" = "$((pageX + 195)) $((pageY + 145))" ] ||
    fail "the pop-up is not at the pointer: $popupX $popupY"
sleep 0.3
screenshot popup

xdotool mousemove $((mainX + 20)) $((mainY + 740)) click 1 # a press elsewhere hides the pop-up
deadline=$((SECONDS + 5))
while [ -n "$(visible_windows | awk '$2 == 170 && $3 == 98')" ]; do
    [ $SECONDS -le $deadline ] || fail "the pop-up stayed"
    sleep 0.05
done

click_button "$infoX" "$infoY" close_2_1
deadline=$((SECONDS + 5))
until screenshot closed && ! region_differs before closed $infoX $infoY 850 550; do
    [ $SECONDS -le $deadline ] || fail "the information window is still shown"
    sleep 0.1
done
exit 0
