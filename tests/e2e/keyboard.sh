#!/usr/bin/env bash
# A whole visit without the mouse: Tab to the colour card and Enter, Tab to the pink switch and
# Space, back to "show" and Enter, Shift+Tab into the result page and Enter on its last work,
# Tab to the large picture and on to "next", Escape back to the main window, and the closing
# question answered "yes" with Tab and Enter. The pointer stays in a corner all the while.
source "$(dirname "$0")/e2e.sh"
start_xserver 1280x1024
install_copy "$1"

# press KEY COUNT: one key pressed COUNT times, as a person does, not faster.
press() {
    local i
    for ((i = 0; i < $2; i++)); do
        xdotool key "$1"
        sleep 0.15
    done
}

start_viewer
xdotool mousemove 0 0
# A desktop gives the new window the keyboard; this X server has no window manager to do it.
xdotool windowfocus --sync "$(wait_for_window 1024 768 0 | cut -d' ' -f1)"
# A point of the main window's own picture that the catalogue covers and no card does.
mainPicture="$APP/design/windows/main/fon.jpg"
wait_for_picture main $((MAIN_X + 600)) $((MAIN_Y + 600)) "$mainPicture" 600 600 ||
    fail "the main window is not drawn"

# Search, About, minimise, close, then the cards in rows: Time, All designs, Materials, Colour.
press Tab 8
colourX=$((MAIN_X + 100)) colourY=$((MAIN_Y + 290))
wait_until_changed main marked "$colourX" "$colourY" 240 240 5 || fail "no focus mark on the colour card"
press Return 1
panelX=$((CHILD_X + 673 + 5)) panelY=$((CHILD_Y + 278 + 5))
wait_for_picture catalogue "$panelX" "$panelY" "$APP/design/windows/filters/filter.jpg" 5 5 ||
    fail "Enter on the colour card did not open the catalogue on its switches"

# Close, seven tabs, show, all on, then the switches in rows: red, green, sky blue, pink.
press Tab 14
read -r pinkX pinkY <<<"$(button_centre "$CHILD_X" "$CHILD_Y" filtr_3_4)"
screenshot pink_marked
press space 1
wait_until_changed pink_marked pink_on $((pinkX - 10)) $((pinkY - 3)) 20 6 5 ||
    fail "Space did not turn the pink switch on"
[ "$(ini_value "$APP/settings.ini" param4 param4)" = 1 ] || fail "the pink switch was not stored"

press shift+Tab 5
press Return 1
wait_for_result "Enter on show"

# Before the close button, the page, where Shift+Tab lands on its last card.
last=${works[${#works[@]} - 1]}
press shift+Tab 9
sleep 0.5
screenshot last_card
press Return 1
wait_for_picture workpage $((CHILD_X + 672)) $((CHILD_Y + 277)) "$APP/images/middle/$last.jpg" 130 212 ||
    fail "Enter on the last card did not open the work page of $last"

# The work page: close, then the large picture; there: description, close, back, next.
press Tab 2
press Return 1
largeX=$((CHILD_X + 424)) largeY=$((CHILD_Y + 290))
wait_for_picture large "$largeX" "$largeY" "$APP/images/big/$last.jpg" 289 217 ||
    fail "the large picture of $last is not shown"
press Tab 4
screenshot next_marked
press space 1
wait_for_picture next "$largeX" "$largeY" "$APP/images/big/${works[0]}.jpg" 289 217 ||
    fail "\"next\" from the last work did not show the first, ${works[0]}"

# Escape closes the large picture, the work page and the catalogue, one at a time.
press Escape 3
wait_for_picture back $((MAIN_X + 600)) $((MAIN_Y + 600)) "$mainPicture" 600 600 ||
    fail "Escape did not bring the main window back"

# From the colour card back through Materials, All designs and Time to the close button.
press shift+Tab 4
press Return 1
question=$(wait_for_window 500 260 5) || fail "Enter on the close button asked no question"
press Tab 1
sleep 0.3
screenshot question_yes_marked
press Return 1
wait_for_exit 5 || fail "Enter on \"yes\" did not end the program"
[ ! -s "$E2E_TMP/velmora.log" ] || fail "the viewer wrote to the terminal: $(head -5 "$E2E_TMP/velmora.log")"
