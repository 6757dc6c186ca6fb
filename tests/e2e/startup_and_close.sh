#!/usr/bin/env bash
# The first thing a user sees: the splash alone, then the main window; closing it through the
# question, with nothing written to the terminal, and closing at once when the question is
# switched off. Before it, the starts that show no window: the options that tell and end, an
# unknown one, and no display to show on.
source "$(dirname "$0")/e2e.sh"
# The whole splash, as a user waits it.
unset VELMORA_TEST_QUICK_SPLASH
start_xserver 1280x1024
install_copy "$1"

# told ARGUMENTS...: runs the viewer with them and no display; STATUS, OUT and ERR are what it did.
told() {
    STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$APP/velmora" "$@" \
        >"$E2E_TMP/told.out" 2>"$E2E_TMP/told.err" || STATUS=$?
    OUT=$(cat "$E2E_TMP/told.out") ERR=$(cat "$E2E_TMP/told.err")
}
told --help
[ $STATUS = 0 ] && [[ "$OUT" == Usage:*--check* ]] && [ -z "$ERR" ] || fail "--help: $STATUS $OUT $ERR"
told --version
[ $STATUS = 0 ] && [[ "$OUT" =~ ^velmora\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version: $STATUS $OUT"
told --bogus
[ $STATUS = 2 ] && [ -z "$OUT" ] && [[ "$ERR" == *'"--bogus"'* ]] || fail "--bogus: $STATUS $ERR"
told
[ $STATUS = 1 ] && [ "$(wc -l <"$E2E_TMP/told.err")" = 1 ] && [[ "$ERR" == *"no display"* ]] ||
    fail "no display: $STATUS $ERR"
told --check
[ $STATUS = 0 ] || fail "the check needs a display: $STATUS $OUT $ERR"

launch
splash=$(wait_for_window 500 407 5) || fail "no splash appeared"
[ "$(visible_windows | wc -l)" -eq 1 ] || fail "the splash is not alone: $(visible_windows)"
read -r _ x y <<<"$splash"
[ "$x $y" = "390 308" ] || fail "the splash is not centred: $x $y"
screenshot splash

main=$(wait_for_window 1024 768 10) || fail "no main window appeared"
[ "$(visible_windows | wc -l)" -eq 1 ] || fail "the splash did not go: $(visible_windows)"
read -r _ mainX mainY <<<"$main"
[ "$mainX $mainY" = "128 128" ] || fail "the main window is not centred: $mainX $mainY"
sleep 0.3
screenshot main

click_button "$mainX" "$mainY" close
question=$(wait_for_window 500 260 5) || fail "closing asked no question"
read -r _ qx qy <<<"$question"
sleep 0.3
screenshot question
click_button "$qx" "$qy" yes
wait_for_exit 5 || fail "\"yes\" did not end the program"
[ ! -s "$E2E_TMP/velmora.log" ] || fail "the viewer wrote to the terminal: $(head -5 "$E2E_TMP/velmora.log")"
[ "$(ini_value "$APP/settings.ini" MESSAGES ShowCloseMessage_yn)" = 0 ] ||
    fail "\"yes\" was not remembered: $(cat "$APP/settings.ini")"

printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
launch
main=$(wait_for_window 1024 768 10) || fail "no main window on the second start"
read -r _ mainX mainY <<<"$main"
click_button "$mainX" "$mainY" close
wait_for_exit 3 || fail "with the question off, close did not end the program at once"

# A skin whose question has no usable "yes" or "no": the keys answer it.
rm -f "$APP/settings.ini"
sed -i 's/^\[yes\]/[gone]/; s/^\[no\]/[gone too]/' "$APP/buttons.ini"
launch
main=$(wait_for_window 1024 768 10) || fail "no main window with the broken question"
read -r _ mainX mainY <<<"$main"
click_button "$mainX" "$mainY" close
wait_for_window 500 260 5 >/dev/null || fail "closing asked no question"
xdotool key Escape
deadline=$((SECONDS + 5))
while [ -n "$(visible_windows | awk '$2 == 500 && $3 == 260')" ]; do
    [ $SECONDS -le $deadline ] || fail "Escape did not answer the question"
    sleep 0.05
done
kill -0 "$VELMORA_PID" || fail "Escape ended the program"
click_button "$mainX" "$mainY" close
wait_for_window 500 260 5 >/dev/null || fail "closing asked no question the second time"
screenshot question_without_buttons
xdotool key Return
wait_for_exit 5 || fail "Enter did not end the program"
[ "$(ini_value "$APP/settings.ini" MESSAGES ShowCloseMessage_yn)" = 0 ] ||
    fail "Enter was not remembered as \"yes\""
