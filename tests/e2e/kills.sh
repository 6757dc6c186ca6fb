#!/usr/bin/env bash
# Kills the viewer with SIGKILL at random moments while it writes settings.ini and the
# catalogue's result page, KILLS times: after each kill settings.ini is whole (every line a
# section or a key, each ending in CR LF), the result page is whole, and the next start works
# and removes any half-written file the kill left behind.
# Usage: kills.sh BUILT_DIR [KILLS]  (20 unless given; KILL_SEED picks the moments)
source "$(dirname "$0")/e2e.sh"
kills=${2:-20}
RANDOM=${KILL_SEED:-1251}
start_xserver 1280x1024
install_copy "$1"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
settings="$APP/settings.ini" page="$APP/html/sortresult.htm"

# ends_with FILE TEXT: the file's last bytes are the text (compared as bytes: $(...) would drop
# a final line end).
ends_with() { [ "$(tail -c ${#2} "$1" | od -An -tx1)" = "$(printf '%s' "$2" | od -An -tx1)" ]; }
whole_profile() {
    ends_with "$1" $'\r\n' &&
        awk '{ sub(/\r$/, "") } !/^\[[^]]*\]$/ && !/^[^=]+=/ { bad = 1 } END { exit bad }' "$1"
}

# Filter switches, "show" and tabs, over and over: each release writes settings.ini, each
# "show" the result page.
click_through_the_catalogue() {
    local childX=$((MAIN_X + BROWSER_WINDOW_X)) childY=$((MAIN_Y + BROWSER_WINDOW_Y)) section
    while :; do
        for section in filtr_3_1 filtr_3_2 button_show param_1 filtr_1_1 button_show param_3; do
            click_button "$childX" "$childY" "$section" >/dev/null 2>&1 || true
        done
    done
}

# start_after KILL: starts the viewer and waits for its main window, which shows once the
# start has cleared away what the kill before left half-written.
start_after() {
    launch
    main=$(wait_for_window 1024 768 30) ||
        fail "start after kill $1: no main window; the viewer said: $(tail -25 "$E2E_TMP/velmora.log")"
    read -r _ MAIN_X MAIN_Y <<<"$main"
    litter=$(find "$APP" -name 'settings.ini?*' -o -name 'sortresult.htm?*')
    [ -z "$litter" ] || fail "start after kill $1: half-written files stay behind: $litter"
}

left_unfinished=0
for kill in $(seq "$kills"); do
    start_after $((kill - 1))
    xdotool mousemove $((MAIN_X + ALL_DESIGNS_SIGN_X)) $((MAIN_Y + ALL_DESIGNS_SIGN_Y)) click 1
    click_through_the_catalogue &
    clicker=$!
    sleep "$((RANDOM % 2)).$(printf '%03d' $((RANDOM % 1000)))"
    kill -KILL "$VELMORA_PID"
    wait "$VELMORA_PID" 2>/dev/null || true
    VELMORA_PID=
    kill "$clicker"
    wait "$clicker" 2>/dev/null || true
    whole_profile "$settings" || fail "kill $kill: settings.ini is not whole: $(od -c "$settings" | tail -3)"
    [ ! -e "$page" ] || ends_with "$page" $'</HTML>\n\r' || fail "kill $kill: the result page is not whole"
    [ -z "$(find "$APP" -name '*.velmora-unfinished-*')" ] || left_unfinished=$((left_unfinished + 1))
done
start_after "$kills"
echo "$kills kills: settings.ini and the result page whole after each;" \
    "$left_unfinished left a half-written file, gone at the next start"
