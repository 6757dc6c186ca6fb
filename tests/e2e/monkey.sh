#!/usr/bin/env bash
# A monkey on the viewer: random clicks of either button, drags, wheel turns and keys all over
# its windows, for SECONDS (120 unless given), the same ones again for the same SEED. The viewer
# must neither end nor report anything (a sanitized build stops at its first report), and after
# the monkey it closes cleanly. Prints the memory of the viewer and its engine processes every
# five minutes, or after the first half of a shorter run, and at the end.
# Usage: monkey.sh BUILT_DIR [SECONDS [SEED]]
source "$(dirname "$0")/e2e.sh"
seconds=${2:-120} seed=${3:-1251}
RANDOM=$seed
start_xserver 1280x1024
install_copy "$1"
CLOSE_WINDOW="$(cd "$1/.." && pwd)/tests/e2e/velmora_close_window"
# A page the monkey saves goes where the save dialog opens: the working folder.
cd "$E2E_TMP"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
# At its end the program under an X server leaves allocations of the platform's libraries
# (D-Bus, and a driver unloaded before the leak check, which no suppression can name); leaks of
# ours are the unit tests' to find, and the monkey watches the memory while it runs.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
launch
main=$(wait_for_window 1024 768 60) || fail "no main window"
read -r _ MAIN_X MAIN_Y <<<"$main"

keys=(Up Down Page_Up Page_Down Home End space Escape Escape Return Tab a r o z 1 0 BackSpace)
# A point of the main window below its title bar, where its own close and minimise buttons are
# out of reach: the monkey stays in the program.
point() { echo $((MAIN_X + RANDOM % 1024)) $((MAIN_Y + 60 + RANDOM % 708)); }

one_act() {
    local x y toX toY
    read -r x y <<<"$(point)"
    read -r toX toY <<<"$(point)"
    case $((RANDOM % 10)) in
    0 | 1 | 2 | 3) xdotool mousemove "$x" "$y" click 1 ;;
    4) xdotool mousemove "$x" "$y" click 3 ;;
    5) xdotool mousemove "$x" "$y" mousedown 1 mousemove "$toX" "$toY" mouseup 1 ;;
    6 | 7) xdotool mousemove "$x" "$y" click --repeat $((1 + RANDOM % 5)) $((4 + RANDOM % 2)) ;;
    *) xdotool key "${keys[RANDOM % ${#keys[@]}]}" ;;
    esac
}

started=$SECONDS acts=0 first_pss=
first_mark=$((seconds < 600 ? seconds / 2 : 300))
next_mark=$first_mark
while [ $((SECONDS - started)) -lt "$seconds" ]; do
    one_act
    acts=$((acts + 1))
    [ $((acts % 20)) -ne 0 ] || viewer_alive
    # The memory every first_mark seconds, to tell a level it settles at from a steady growth.
    if [ $((SECONDS - started)) -ge "$next_mark" ]; then
        pss=$(tree_pss "$VELMORA_PID")
        first_pss=${first_pss:-$pss}
        echo "memory (PSS) after $((SECONDS - started)) s, $acts acts: $((pss / 1024)) MB"
        next_mark=$((next_mark + first_mark))
    fi
done
last_pss=$(tree_pss "$VELMORA_PID")
screenshot monkey
viewer_alive
# Boxes the last acts opened go before the main window closes.
for _ in 1 2 3; do xdotool key Escape; sleep 0.2; done
close_viewer 60
report=$(grep -E -A60 "ERROR: AddressSanitizer|runtime error:" "$E2E_TMP/velmora.log" || true)
[ -z "$report" ] || fail "the sanitizers reported (seed $seed): $report"
echo "$acts acts in $seconds s, seed $seed; memory (PSS) after ${first_mark} s $((first_pss / 1024)) MB, at the end $((last_pss / 1024)) MB"
