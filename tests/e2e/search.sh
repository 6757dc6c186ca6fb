#!/usr/bin/env bash
# Searching as a user does: "quest" opens the search window, a query typed into the edit and
# Enter list the works whose texts hold it and add it to the history beside them; the layout
# button and a click on the history entry show the same hits as cards; a click on a hit opens
# its work page.
source "$(dirname "$0")/e2e.sh"
start_xserver 1280x1024
install_copy "$1"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"

# wait_for_file FILE PATTERN: the file exists and holds the pattern.
wait_for_file() {
    local deadline=$((SECONDS + 10))
    until grep -qaF -- "$2" "$1" 2>/dev/null; do
        [ $SECONDS -le $deadline ] || return 1
        sleep 0.1
    done
}

launch
main=$(wait_for_window 1024 768 15) || fail "no main window"
read -r _ mainX mainY <<<"$main"
winX=$((mainX + BROWSER_WINDOW_X)) winY=$((mainY + BROWSER_WINDOW_Y))
sleep 0.3
click_button "$mainX" "$mainY" quest
historyX=$((winX + HISTORY_BROWSER_X)) historyY=$((winY + HISTORY_BROWSER_Y))

# The query is typed where the placeholder stood.
query=101
xdotool mousemove $((winX + SEARCH_EDIT_X + 70)) $((winY + SEARCH_EDIT_Y + 8)) click 1
sleep 0.2
xdotool type --delay 40 "$query"
xdotool key Return
wait_for_file "$APP/html/historyresult.htm" ">>0\"><li>$query</a>" ||
    fail "the history page does not hold the query"
wait_for_file "$APP/html/searchresult.htm" "<h2>Search results</h2>" || fail "no result page"
expected=$(grep -laF "$query" "$APP"/html/*.htm.txt | wc -l)
listed=$(grep -ac 'href="<<' "$APP/html/searchresult.htm")
[ "$listed" -eq "$expected" ] && [ "$listed" -gt 0 ] ||
    fail "the result lists $listed works, the texts hold \"$query\" in $expected"
grep -qa '^01$' <(tr -d '\r' <"$APP/html/searchresult.htm") || fail "the first hit is not numbered 01"
[ "$(head -c 8 "$APP/html/searchresult.htm" | od -An -c | tr -s ' ')" = " < H T M L > \n \r" ] ||
    fail "the result page does not start with <HTML> and LF CR"
# The history page shows beside the results, on its own background.
wait_for_picture history $((historyX + 140)) $((historyY + 340)) \
    "$APP/design/windows/childs/images/bg_sh.jpg" 140 340 || fail "the history page is not shown"

# Cards from the next search on: the history entry runs the query again as cards.
click_button "$winX" "$winY" s_image
xdotool mousemove $((historyX + 28)) $((historyY + 10)) click 1
wait_for_file "$APP/html/searchresult.htm" 'padding:0px; margin:0px;' ||
    fail "the history entry did not show the hits as cards"
[ "$(grep -ac 'href="<<' "$APP/html/searchresult.htm")" -eq "$expected" ] ||
    fail "the cards list other works"
[ "$(grep -ac '<li>' "$APP/html/historyresult.htm")" -eq 1 ] || fail "the replay added an entry"

# The first card's thumbnail opens its work page.
first=$(grep -ao 'images/small/[^"]*\.jpg' "$APP/html/searchresult.htm" | head -1 | sed 's|images/small/||; s|\.jpg$||')
thumbX=$((winX + SEARCH_BROWSER_X + 18 + 7 + 68))
wait_until_still cards $((winX + SEARCH_BROWSER_X)) $((winY + SEARCH_BROWSER_Y)) "$SEARCH_BROWSER_WIDTH" "$SEARCH_BROWSER_HEIGHT" 10 || fail "the cards did not come to rest"
# The heading stands above the cards: find the row where the first thumbnail's middle is, by two
# of its points.
small="$APP/images/small/$first.jpg"
middle=$(jpeg_pixel "$small" 68 54) lower=$(jpeg_pixel "$small" 28 84)
thumbY=
for dy in $(seq 40 160); do
    y=$((winY + 53 + dy))
    if near $(pixel_at cards "$thumbX" "$y") $middle &&
        near $(pixel_at cards $((thumbX - 40)) $((y + 30))) $lower; then
        thumbY=$y
        break
    fi
done
[ -n "$thumbY" ] || fail "the first card, $first, is not on screen"
xdotool mousemove "$thumbX" "$thumbY" click 1
wait_for_picture workpage $((winX + 672)) $((winY + 277)) "$APP/images/middle/$first.jpg" 130 212 ||
    fail "the first card did not open the work page of $first"
exit 0
